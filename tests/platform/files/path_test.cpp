// Paths are split and joined by one rule: separators of the system's syntax,
// a drive prefix on Windows, and double-byte characters kept whole.

#include "platform/files/path.h"

#include <gtest/gtest.h>

#include <string>

namespace tavrin::test {
namespace {

using platform::FileNameStart;
using platform::JoinPath;
using platform::PathSyntax;

const PathSyntax kWindows = platform::WindowsPathSyntax(1252);
const PathSyntax kShiftJis = platform::WindowsPathSyntax(932);
const PathSyntax kGbk = platform::WindowsPathSyntax(936);
const PathSyntax kPosix = platform::PosixPathSyntax();

// "表" in Shift-JIS and a GBK character: both end in the byte of '\'.
constexpr char kSjisTable[] = "\x95\x5C";
constexpr char kGbkChar[] = "\x81\x5C";

TEST(PathTest, FileNameStartsAfterTheLastSeparatorOfTheSyntax) {
    const struct {
        const char* what;
        std::string path;
        PathSyntax syntax;
        std::size_t start;
    } cases[] = {
        {"backslash", "C:\\a\\b.dll", kWindows, 5},
        {"slash on Windows", "C:/a/b.dll", kWindows, 5},
        {"mixed", "a/b\\c.dll", kWindows, 4},
        {"drive prefix", "C:b.dll", kWindows, 2},
        {"bare name", "b.dll", kWindows, 0},
        {"folder only", "a\\", kWindows, 2},
        {"backslash is a name byte on POSIX", "a\\b.dll", kPosix, 0},
        {"no drive prefix on POSIX", "C:b.dll", kPosix, 0},
        {"POSIX", "/usr/lib/b.dll", kPosix, 9},
        {"trail byte is no separator (932)", std::string("C:\\") + kSjisTable + ".dll", kShiftJis,
         3},
        {"trail byte is no separator (936)", std::string("d\\") + kGbkChar + "\\x.dll", kGbk, 5},
        {"same bytes in a single-byte page", std::string("C:\\") + kSjisTable + ".dll", kWindows,
         5},
        {"lead byte at the end", std::string("a\\\x95"), kShiftJis, 2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameStart(c.path, c.syntax), c.start) << c.what;
    }
}

TEST(PathTest, JoinPutsOneSeparatorBetweenFolderAndName) {
    const struct {
        const char* what;
        std::string folder;
        PathSyntax syntax;
        std::string joined;
    } cases[] = {
        {"Windows", "out", kWindows, "out\\1.ico"},
        {"POSIX", "out", kPosix, "out/1.ico"},
        {"ends in a separator", "out/", kWindows, "out/1.ico"},
        {"ends in a backslash", "C:\\", kWindows, "C:\\1.ico"},
        {"empty folder", "", kWindows, "1.ico"},
        {"backslash ends no POSIX folder", "out\\", kPosix, "out\\/1.ico"},
        {"ends in a trail byte (932)", kSjisTable, kShiftJis, std::string(kSjisTable) + "\\1.ico"},
        {"ends in a trail byte (936)", kGbkChar, kGbk, std::string(kGbkChar) + "\\1.ico"},
        {"same bytes in a single-byte page", kSjisTable, kWindows,
         std::string(kSjisTable) + "1.ico"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(JoinPath(c.folder, "1.ico", c.syntax), c.joined) << c.what;
    }
}

}  // namespace
}  // namespace tavrin::test
