// A press keeps the module it read between calls, yet every call sees what
// a call of its own would: the same files, a replaced source as the new
// file, and nothing held once the press is over.

#include "icons/extract_press.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "icons/extract_icon_group.h"
#include "tests/support/file_bytes.h"
#include "tests/support/held.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::FixturePath;

struct Call {
    int count;
    std::optional<test::ByteVector> written;
};

std::string IcoName(char prefix, int index) {
    std::string name(1, prefix);
    name += std::to_string(index);
    name += ".ico";
    return name;
}

Call ExtractInto(const std::string& source, const std::string& output, int index) {
    const int count = ExtractIconGroup(source.c_str(), 0, output.c_str(), index);
    return {count, test::ReadFileBytes(output)};
}

TEST(ExtractPressTest, GivesTheFilesOfSeparateCallsAndHoldsNothingAfterwards) {
    test::TempDir dir;
    for (const char* module : {"groups32.dll", "languages64.dll", "sample.dll"}) {
        const std::string source = dir.File(module);
        std::filesystem::copy_file(FixturePath(module), source);
        std::vector<Call> alone;
        for (int index = 1; index <= 9; ++index) {
            alone.push_back(ExtractInto(source, dir.File(IcoName('a', index)), index));
        }
        {
            const ExtractPress press;
            for (int index = 1; index <= 9; ++index) {
                const Call call = ExtractInto(source, dir.File(IcoName('p', index)), index);
                EXPECT_EQ(call.count, alone[index - 1].count) << module << " " << index;
                EXPECT_EQ(call.written, alone[index - 1].written) << module << " " << index;
            }
            EXPECT_TRUE(test::Held(source)) << "kept during the press";
        }
        EXPECT_FALSE(test::Held(source)) << module;
    }
}

TEST(ExtractPressTest, SeesASourceReplacedDuringThePress) {
    test::TempDir dir;
    const std::string source = dir.File("source.dll");
    std::filesystem::copy_file(FixturePath("groups32.dll"), source);
    const ExtractPress press;
    EXPECT_EQ(ExtractInto(source, dir.File("1.ico"), 1).count, 7);

    // Renamed away while held (its share mode lets it go) and another module
    // put in its place: the next call reads the new file.
    std::filesystem::rename(source, dir.File("old.dll"));
    std::filesystem::copy_file(FixturePath("sample.dll"), source);
    const Call second = ExtractInto(source, dir.File("2.ico"), 2);
    EXPECT_EQ(second.count, 3);
    EXPECT_EQ(second.written,
              ExtractInto(FixturePath("sample.dll"), dir.File("s2.ico"), 2).written);
    EXPECT_FALSE(test::Held(dir.File("old.dll"))) << "the replaced file is let go at once";

    // Removed: the next call finds nothing, as a call of its own would.
    std::filesystem::rename(source, dir.File("gone.dll"));
    EXPECT_EQ(ExtractInto(source, dir.File("3.ico"), 3).count, 0);
    EXPECT_FALSE(test::Held(dir.File("gone.dll")));
}

TEST(ExtractPressTest, ADifferentPathIsOpenedAnew) {
    test::TempDir dir;
    const ExtractPress press;
    EXPECT_EQ(ExtractInto(FixturePath("groups32.dll"), dir.File("1.ico"), 1).count, 7);
    EXPECT_EQ(ExtractInto(FixturePath("sample.dll"), dir.File("2.ico"), 2).count, 3);
    EXPECT_FALSE(test::Held(FixturePath("groups32.dll")));
    EXPECT_EQ(ExtractInto(FixturePath("groups32.dll"), dir.File("3.ico"), 3).count, 7);
}

}  // namespace
}  // namespace tavrin::icons
