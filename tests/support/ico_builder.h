#pragma once
// ICO files laid out as a test chooses: the header and directory entries
// field by field, and whole files of given images.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// The 6-byte header an ICO file and an icon group's directory share.
ByteVector IcoHeader(std::size_t count, std::uint16_t type = 1, std::uint16_t reserved = 0);

// The first 12 bytes of an entry, alike in an ICO file's directory and in an
// icon group's; what follows differs (an offset, or a resource id).
struct IconEntryHead {
    std::uint8_t width = 32;
    std::uint8_t height = 32;
    std::uint8_t colours = 0;
    std::uint8_t reserved = 0;
    std::uint16_t planes = 1;
    std::uint16_t bitCount = 32;
    std::uint32_t bytes = 0;
};
void PutEntryHead(ByteVector& out, const IconEntryHead& head);

// An ICO file with the given images, its directory pointing at each in turn
// with sizes as they are and every other field a constant readers ignore.
ByteVector IcoFile(const std::vector<ByteVector>& images);

}  // namespace tavrin::test
