#include "tests/modules/temp_tree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace tavrin::tests {

TempTree::TempTree() {
    const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = std::string(test->test_suite_name()) + "." + test->name();
    std::replace(name.begin(), name.end(), '/', '_');
    root_ = std::string(TAVRIN_TEST_BINARY_DIR) + "/modules-tmp/" + name;
    std::filesystem::remove_all(root_);
    std::filesystem::create_directories(root_);
}

TempTree::~TempTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
}

std::string TempTree::Path(std::string_view relative, char separator) const {
    std::string path = root_ + "/" + std::string(relative);
    std::replace(path.begin(), path.end(), '/', separator);
    return path;
}

void TempTree::Write(std::string_view relative, std::span<const std::uint8_t> bytes) const {
    const std::filesystem::path path(Path(relative));
    std::filesystem::create_directories(path.parent_path());
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write test file " + path.string());
    }
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    if (!in) {
        return std::nullopt;
    }
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>());
}

}  // namespace tavrin::tests
