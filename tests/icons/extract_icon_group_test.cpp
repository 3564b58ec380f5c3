#include "icons/extract_icon_group.h"
#include "icons/ico_file.h"
#include "icons/icon_source.h"

#include <gtest/gtest.h>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;
using test::FixturePath;

class ExtractIconGroupTest : public testing::Test {
  protected:
    // The sample module under another name, to try what the name decides.
    std::string SampleAs(const std::string& name) {
        std::filesystem::copy_file(FixturePath("sample.dll"), dir_.Path() / name);
        return dir_.File(name);
    }

    test::TempDir dir_;
};

TEST_F(ExtractIconGroupTest, TheKindComesFromTheLastThreeCharacters) {
    const struct {
        const char* name;
        int count;
    } cases[] = {{"a.exe", 3}, {"B.EXE", 3},     {"c.icl", 3}, {"dexe", 3},
                 {"e.txt", 0}, {"f.exe.bak", 0}, {"g.ico", 1}};
    for (const auto& c : cases) {
        const std::string source = SampleAs(c.name);
        const std::string out = dir_.File(std::string(c.name) + "-1.ico");
        EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, out.c_str(), 1), c.count) << c.name;
        // An ico-named module is no icon file: counted as one, nothing written.
        EXPECT_EQ(std::filesystem::exists(out), c.count == 3) << c.name;
    }
}

TEST_F(ExtractIconGroupTest, AnIndexBelowOneCountsAsOne) {
    const std::string source = FixturePath("sample.dll");
    for (int index : {0, -5}) {
        const std::string out = dir_.File("low" + std::to_string(-index) + ".ico");
        EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, out.c_str(), index), 3);
        EXPECT_EQ(test::ReadFileBytes(out), test::ReadFileBytes(dir_.File("low0.ico")));
    }
    EXPECT_TRUE(std::filesystem::exists(dir_.File("low0.ico")));
}

TEST_F(ExtractIconGroupTest, OnlyModeZeroWithAnOutputPathDoesAnything) {
    const std::string source = FixturePath("sample.dll");
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, "", 1), 0);
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, nullptr, 1), 0);
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 1, dir_.File("1.ico").c_str(), 1), 0);
    EXPECT_EQ(ExtractIconGroup(nullptr, 0, dir_.File("1.ico").c_str(), 1), 0);
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
}

TEST_F(ExtractIconGroupTest, AnOutputPathOfAnotherKindIsCountedButNotWritten) {
    const std::string source = FixturePath("sample.dll");
    const ExtractReport report = ExtractIconGroupReporting(source, 0, dir_.File("1.png"), 2);
    EXPECT_EQ(report.count, 3);
    EXPECT_FALSE(report.written);
    EXPECT_EQ(report.problem, ExtractProblem::kOutputNotIco);
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path()));
}

TEST_F(ExtractIconGroupTest, SourcesWithoutGroupsWriteNothingForAnyIndex) {
    test::WriteFileBytes(dir_.File("text.exe"), ByteVector(300, 'x'));
    test::WriteFileBytes(dir_.File("empty.dll"), {});
    const struct {
        std::string source;
        ExtractProblem problem;
    } cases[] = {
        {dir_.File("text.exe"), ExtractProblem::kNotAModule},
        {dir_.File("empty.dll"), ExtractProblem::kNotAModule},
        {dir_.File("absent.exe"), ExtractProblem::kUnreadable},
        {dir_.Path().string() + "/sub.exe", ExtractProblem::kUnreadable},
        {FixturePath("sample.dll") + ".txt", ExtractProblem::kUnknownKind},
    };
    std::filesystem::create_directory(dir_.Path() / "sub.exe");  // a folder named like a module
    std::filesystem::create_directory(dir_.Path() / "out");
    for (const auto& c : cases) {
        for (int index = 1; index <= 100; ++index) {
            const std::string out =
                (dir_.Path() / "out" / (std::to_string(index) + ".ico")).string();
            const ExtractReport report = ExtractIconGroupReporting(c.source, 0, out, index);
            EXPECT_EQ(report.count, 0);
            EXPECT_EQ(report.problem, c.problem) << c.source;
        }
        EXPECT_EQ(IconSource::Open(c.source, std::nullopt).Problem(), c.problem);
    }
    EXPECT_TRUE(std::filesystem::is_empty(dir_.Path() / "out"));
}

TEST_F(ExtractIconGroupTest, HigherFilesFromAnEarlierExtractionStay) {
    // Ten groups' worth of files, then a three-group source over them.
    for (int index = 1; index <= 10; ++index) {
        test::WriteFileBytes(dir_.File(std::to_string(index) + ".ico"), ByteVector{7});
    }
    const std::string source = FixturePath("sample.dll");
    for (int index = 1; index <= 100; ++index) {
        ExtractIconGroup(source.c_str(), 0, dir_.File(std::to_string(index) + ".ico").c_str(),
                         index);
    }
    for (int index = 1; index <= 10; ++index) {
        const auto bytes = test::ReadFileBytes(dir_.File(std::to_string(index) + ".ico"));
        ASSERT_TRUE(bytes);
        EXPECT_EQ(*bytes == ByteVector{7}, index > 3) << index;
    }
    EXPECT_FALSE(std::filesystem::exists(dir_.File("11.ico")));
}

TEST_F(ExtractIconGroupTest, EveryCallStartsAfresh) {
    // A group found by one call is never written by the next, which finds
    // nothing.
    const std::string source = FixturePath("sample.dll");
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, dir_.File("a.ico").c_str(), 2), 3);
    test::WriteFileBytes(dir_.File("junk.dll"), ByteVector(100, 0));
    EXPECT_EQ(ExtractIconGroup(dir_.File("junk.dll").c_str(), 0, dir_.File("b.ico").c_str(), 2), 0);
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, dir_.File("c.ico").c_str(), 4), 0);
    EXPECT_FALSE(std::filesystem::exists(dir_.File("b.ico")));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("c.ico")));
}

}  // namespace
}  // namespace tavrin::icons

namespace tavrin::icons {
namespace {

TEST(IconSourceTest, OpenedOnceGivesTheFilesOfSeparateCalls) {
    test::TempDir dir;
    const struct {
        const char* source;
        std::size_t count;
    } sources[] = {{"sample.dll", 3}, {"groups32.dll", 7}, {"languages64.dll", 3}};
    for (const auto& c : sources) {
        const std::string path = FixturePath(c.source);
        const IconSource source = IconSource::Open(path, std::nullopt);
        ASSERT_EQ(source.GroupCount(), c.count) << c.source;
        for (std::size_t position = 0; position <= c.count; ++position) {
            const std::string name = std::string(c.source) + "-" + std::to_string(position);
            const IconGroup group = source.GroupAt(position);
            if (group.set) {
                WriteIcoFile(*group.set, dir.File(name + "-s.ico"));
            }
            const ExtractReport alone = ExtractIconGroupReporting(
                path, 0, dir.File(name + "-a.ico"), static_cast<int>(position + 1));
            EXPECT_EQ(group.problem, alone.problem) << name;
            EXPECT_EQ(test::ReadFileBytes(dir.File(name + "-s.ico")),
                      test::ReadFileBytes(dir.File(name + "-a.ico")))
                << name;
        }
    }
}

}  // namespace
}  // namespace tavrin::icons
