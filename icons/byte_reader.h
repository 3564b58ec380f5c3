#pragma once
// Bounded little-endian reading of untrusted bytes. A read that would pass
// the end yields 0 and marks the reader failed; the caller checks once.

#include <cstddef>
#include <cstdint>
#include <span>

namespace tavrin::icons {

using Bytes = std::span<const std::uint8_t>;

// True when [offset, offset + count) lies inside a buffer of `size` bytes;
// written so that it cannot overflow.
constexpr bool Fits(std::uint64_t size, std::uint64_t offset, std::uint64_t count) {
    return offset <= size && size - offset >= count;
}

// The bytes [offset, offset + count) of `bytes`, or an empty span when they
// do not all lie inside.
inline Bytes Slice(Bytes bytes, std::uint64_t offset, std::uint64_t count) {
    if (!Fits(bytes.size(), offset, count)) {
        return {};
    }
    return bytes.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(count));
}

class ByteReader {
  public:
    explicit ByteReader(Bytes bytes) : bytes_(bytes) {}

    std::uint8_t U8(std::uint64_t offset) { return static_cast<std::uint8_t>(Little(offset, 1)); }
    std::uint16_t U16(std::uint64_t offset) {
        return static_cast<std::uint16_t>(Little(offset, 2));
    }
    std::uint32_t U32(std::uint64_t offset) {
        return static_cast<std::uint32_t>(Little(offset, 4));
    }
    std::uint64_t U64(std::uint64_t offset) { return Little(offset, 8); }
    std::uint32_t U32BigEndian(std::uint64_t offset) {
        if (!Check(offset, 4)) {
            return 0;
        }
        std::uint32_t value = 0;
        for (std::size_t i = 0; i < 4; ++i) {
            value = (value << 8) | bytes_[static_cast<std::size_t>(offset) + i];
        }
        return value;
    }

    bool Ok() const { return ok_; }
    std::size_t Size() const { return bytes_.size(); }

  private:
    bool Check(std::uint64_t offset, std::uint64_t count) {
        if (!ok_ || !Fits(bytes_.size(), offset, count)) {
            ok_ = false;
        }
        return ok_;
    }

    std::uint64_t Little(std::uint64_t offset, std::size_t count) {
        if (!Check(offset, count)) {
            return 0;
        }
        std::uint64_t value = 0;
        for (std::size_t i = count; i-- > 0;) {
            value = (value << 8) | bytes_[static_cast<std::size_t>(offset) + i];
        }
        return value;
    }

    Bytes bytes_;
    bool ok_ = true;
};

// Little-endian fields of a header that may be cut short: bytes past the end
// read as 0 and nothing fails.
inline std::uint32_t LenientU32(Bytes bytes, std::size_t offset, std::size_t count = 4) {
    std::uint32_t value = 0;
    for (std::size_t i = count; i-- > 0;) {
        value = (value << 8) | (offset + i < bytes.size() ? bytes[offset + i] : 0u);
    }
    return value;
}

inline std::uint32_t LenientU32BigEndian(Bytes bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | (offset + i < bytes.size() ? bytes[offset + i] : 0u);
    }
    return value;
}

}  // namespace tavrin::icons
