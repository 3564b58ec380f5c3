#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tavrin::test {

using ByteVector = std::vector<std::uint8_t>;

// The whole file, or none when it does not exist.
std::optional<ByteVector> ReadFileBytes(const std::string& path);
void WriteFileBytes(const std::string& path, const ByteVector& bytes);

// Where the build put its fixture files.
std::string FixturePath(const std::string& name);

}  // namespace tavrin::test
