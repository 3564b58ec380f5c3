// A file list from another process is checked before the shell's readers
// walk it: every malformed block is refused, every well-formed one kept.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/win/drop/dropped_files.h"
#include "tests/platform/drop/support/file_list_block.h"

namespace tavrin::test {
namespace {

std::vector<std::byte> WithListOffset(std::vector<std::byte> block, std::uint32_t offset) {
    for (std::size_t i = 0; i < 4; ++i) {
        block[i] = static_cast<std::byte>((offset >> (8 * i)) & 0xFF);
    }
    return block;
}

std::vector<std::byte> WithoutLast(std::vector<std::byte> block, std::size_t count) {
    block.resize(block.size() - count);
    return block;
}

struct BlockCase {
    std::string name;
    std::vector<std::byte> block;
    bool wellFormed;
};

std::vector<BlockCase> BlockCases() {
    const auto ansiTwo = AnsiFileListBlock({"C:\\a.exe", "C:\\b.exe"});
    const auto wideOne = WideFileListBlock({L"C:\\a.exe"});
    return {
        {"AnsiList", ansiTwo, true},
        {"AnsiEmptyList", AnsiFileListBlock({}), true},
        {"WideList", wideOne, true},
        {"WideEmptyList", WideFileListBlock({}), true},
        {"TrailingBytesAfterTheList",
         [&] {
             auto block = ansiTwo;
             block.push_back(std::byte{'x'});
             return block;
         }(),
         true},
        {"Empty", {}, false},
        {"ShorterThanItsHeader", std::vector<std::byte>(19), false},
        {"HeaderOnly", WithoutLast(AnsiFileListBlock({}), 2), false},
        {"AnsiEmptyListWithOneNul", WithoutLast(AnsiFileListBlock({}), 1), false},
        {"WideEmptyListWithOneNul", WithoutLast(WideFileListBlock({}), 2), false},
        {"ListOffsetPastTheEnd", WithListOffset(ansiTwo, 1000), false},
        {"ListOffsetAtMaximum", WithListOffset(ansiTwo, 0xFFFFFFFF), false},
        {"AnsiWithoutListEnd", WithoutLast(ansiTwo, 1), false},
        {"AnsiLastPathUnterminated", WithoutLast(ansiTwo, 2), false},
        {"WideWithoutListEnd", WithoutLast(wideOne, 2), false},
        {"WideWithHalfAListEnd", WithoutLast(wideOne, 1), false},
        {"WideLastPathUnterminated", WithoutLast(wideOne, 4), false},
    };
}

class FileListBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(FileListBlockTest, IsCheckedToLieInsideItsBytes) {
    EXPECT_EQ(platform::IsWellFormedFileList(GetParam().block), GetParam().wellFormed);
}

INSTANTIATE_TEST_SUITE_P(Blocks, FileListBlockTest, ::testing::ValuesIn(BlockCases()),
                         [](const auto& tested) { return tested.param.name; });

}  // namespace
}  // namespace tavrin::test
