#include "platform/win/form/program_directory.h"

#include <gtest/gtest.h>

#include "platform/win/form/runtime.h"

namespace tavrin::platform {
namespace {

constexpr UINT kWestern = 1252;
constexpr UINT kChinese = 936;

TEST(DirectoryOfPath, SplitsAtTheLastBackslash) {
    const struct {
        const char* path;
        UINT codePage;
        const char* directory;
    } cases[] = {
        {"C:\\Tools\\tavrin.exe", kWestern, "C:\\Tools"},
        {"C:\\a\\b\\c\\tavrin.exe", kWestern, "C:\\a\\b\\c"},
        {"X:\\tool.exe", kWestern, "X:"},
        {"\\\\server\\share\\tavrin.exe", kWestern, "\\\\server\\share"},
        {"tavrin.exe", kWestern, ""},
        {"", kWestern, ""},
        // 0x95 0x5C is one character in code page 936: its trail byte is not
        // a separator, so the file named by it stays out of the directory...
        {"C:\\dir\\\x95\x5C", kChinese, "C:\\dir"},
        {"C:\\\x95\x5C\\tavrin.exe", kChinese, "C:\\\x95\x5C"},
        // ...while a single-byte code page sees a backslash there.
        {"C:\\dir\\\x95\x5C", kWestern, "C:\\dir\\\x95"},
        // UTF-8 never uses the backslash's byte inside a character.
        {"C:\\工具\\tavrin.exe", CP_UTF8, "C:\\工具"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DirectoryOfPath(c.path, c.codePage), c.directory)
            << c.path << " in " << c.codePage;
    }
}

TEST(ProgramDirectory, IsTheDirectoryOfTheProgramFile) {
    const std::string file = ProgramFilePath();
    ASSERT_GT(file.size(), 4u);
    EXPECT_EQ(file.substr(file.size() - 4), ".exe");
    const std::string directory = TakeProgramDirectory();
    EXPECT_EQ(ProgramDirectory(), directory);
    EXPECT_EQ(file.substr(0, directory.size() + 1), directory + "\\");
    EXPECT_EQ(file.find('\\', directory.size() + 1), std::string::npos);
}

TEST(CurrentDirectoryFor, NamesTheProgramDirectoryItselfEvenForABareDrive) {
    EXPECT_EQ(CurrentDirectoryFor("C:\\Tools"), "C:\\Tools\\");
    EXPECT_EQ(CurrentDirectoryFor("X:"), "X:\\");
    EXPECT_EQ(CurrentDirectoryFor("\\\\server\\share"), "\\\\server\\share\\");
}

}  // namespace
}  // namespace tavrin::platform
