#include "tests/support/file_bytes.h"

#include <fstream>
#include <iterator>

namespace tavrin::test {

std::optional<ByteVector> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return ByteVector(std::istreambuf_iterator<char>(in), {});
}

void WriteFileBytes(const std::string& path, const ByteVector& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
}

std::string FixturePath(const std::string& name) {
    return std::string(TAVRIN_TEST_BINARY_DIR) + "/fixtures/" + name;
}

}  // namespace tavrin::test
