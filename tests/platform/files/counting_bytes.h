#pragma once

#include <cstddef>
#include <cstdint>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// `count` bytes that differ from their neighbours, so a byte out of place,
// missing or doubled shows; `from` continues an earlier run.
inline ByteVector CountingBytes(std::size_t count, std::size_t from = 0) {
    ByteVector bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>((from + i) * 7 + (from + i) / 251);
    }
    return bytes;
}

}  // namespace tavrin::test
