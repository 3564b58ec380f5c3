#include "tests/support/ico_builder.h"

#include "tests/support/little_endian.h"

namespace tavrin::test {

ByteVector IcoHeader(std::size_t count, std::uint16_t type, std::uint16_t reserved) {
    ByteVector out;
    PutLe(out, reserved, 2);
    PutLe(out, type, 2);
    PutLe(out, count, 2);
    return out;
}

void PutEntryHead(ByteVector& out, const IconEntryHead& head) {
    out.insert(out.end(), {head.width, head.height, head.colours, head.reserved});
    PutLe(out, head.planes, 2);
    PutLe(out, head.bitCount, 2);
    PutLe(out, head.bytes, 4);
}

ByteVector IcoFile(const std::vector<ByteVector>& images) {
    ByteVector out = IcoHeader(images.size());
    std::uint32_t offset = static_cast<std::uint32_t>(out.size() + 16 * images.size());
    for (const ByteVector& image : images) {
        PutEntryHead(
            out,
            {.colours = 32, .reserved = 32, .bytes = static_cast<std::uint32_t>(image.size())});
        PutLe(out, offset, 4);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const ByteVector& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

}  // namespace tavrin::test
