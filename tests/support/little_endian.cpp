#include "tests/support/little_endian.h"

namespace tavrin::test {

void PutLe(ByteVector& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(i < 8 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
    }
}

void PutAt(ByteVector& out, std::size_t offset, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.at(offset + static_cast<std::size_t>(i)) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

std::uint32_t GetLe(const ByteVector& in, std::size_t offset, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        const std::size_t at = offset + static_cast<std::size_t>(i);
        value = (value << 8) | (at < in.size() ? in[at] : 0u);
    }
    return value;
}

}  // namespace tavrin::test
