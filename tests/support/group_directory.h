#pragma once
// Icon groups' directories (GRPICONDIR): the ICO header, then 14-byte
// entries that name each image by its RT_ICON id.

#include <cstdint>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// Each entry claims a 32x32 32-bit image of no bytes; PE readers go by the
// image itself.
ByteVector GroupDirectory(const std::vector<std::uint16_t>& ids);

struct GroupEntry {
    std::uint16_t iconId;
    std::uint32_t bytesInResource;
};

// Entries that give each image's bytes in resource, which NE reads; they
// claim 48x48 in 16 colours whatever the images are.
ByteVector SizedGroupDirectory(const std::vector<GroupEntry>& entries);

}  // namespace tavrin::test
