#include "tests/support/group_directory.h"

#include "tests/support/ico_builder.h"
#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

void PutGroupEntry(ByteVector& out, const IconEntryHead& head, std::uint16_t id) {
    PutEntryHead(out, head);
    PutLe(out, id, 2);
}

}  // namespace

ByteVector GroupDirectory(const std::vector<std::uint16_t>& ids) {
    ByteVector out = IcoHeader(ids.size());
    for (std::uint16_t id : ids) {
        PutGroupEntry(out, {}, id);
    }
    return out;
}

ByteVector SizedGroupDirectory(const std::vector<GroupEntry>& entries) {
    ByteVector out = IcoHeader(entries.size());
    for (const GroupEntry& entry : entries) {
        PutGroupEntry(out,
                      {.width = 48,
                       .height = 48,
                       .colours = 16,
                       .bitCount = 24,
                       .bytes = entry.bytesInResource},
                      entry.iconId);
    }
    return out;
}

}  // namespace tavrin::test
