#pragma once
// Little-endian fields, for building and checking test bytes.

#include <cstddef>
#include <cstdint>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// Appends the low `bytes` bytes of `value`.
void PutLe(ByteVector& out, std::uint64_t value, int bytes);
// Overwrites `bytes` bytes at `offset`; a place outside `out` throws, so a
// wrong offset in a test fails loudly instead of writing elsewhere.
void PutAt(ByteVector& out, std::size_t offset, std::uint64_t value, int bytes);
// Bytes past the end read as zero, so a check of a short file fails on its
// value rather than by reading out of bounds.
std::uint32_t GetLe(const ByteVector& in, std::size_t offset, int bytes);

}  // namespace tavrin::test
