// --group, --resource and --index pick the same groups three ways;
// --language and --all-languages pick languages; bad arguments exit 2.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/cli_runner.h"

namespace tavrin::test {
namespace {

using nlohmann::json;

// sample.dll stores "APP", then 1, then 2.
TEST(SelectionTest, EachWayOfNamingAGroupPicksIt) {
    struct Case {
        std::vector<std::string> arguments;
        int position;
    };
    const std::vector<Case> cases = {
        {{"--group", "1"}, 1},      {{"--group", "3"}, 3},      {{"-g", "2"}, 2},
        {{"--resource", "APP"}, 1}, {{"--resource", "aPp"}, 1}, {{"--resource", "1"}, 2},
        {{"--resource", "2"}, 3},   {{"--index", "0"}, 1},      {{"--index", "2"}, 3},
        {{"--index=-1"}, 2},        {{"--index", "-2"}, 3},
    };
    for (const Case& c : cases) {
        auto arguments = c.arguments;
        arguments.insert(arguments.begin(), {"--list", "--json"});
        arguments.push_back(FixturePath("sample.dll"));
        const auto run = RunTool(arguments);
        ASSERT_EQ(run.status, 0) << c.arguments[0] << " " << run.err;
        const json groups = json::parse(run.out)[0]["groups"];
        ASSERT_EQ(groups.size(), 1u) << c.arguments[0];
        EXPECT_EQ(groups[0]["position"], c.position) << c.arguments[0] << " " << c.arguments.back();
    }
}

TEST(SelectionTest, OnlyTheSelectedGroupIsWrittenUnderItsPosition) {
    const TempDir dir;
    const auto run = RunTool({"--index=-2", FixturePath("sample.dll"), dir.File("out")});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("out/3.ico") + "\t2 images\n");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path() / "out"), {}), 1);
}

TEST(SelectionTest, AGroupThatIsNotThereFailsTheSourceAndWritesNothing) {
    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const std::vector<Case> cases = {
        {{"--group", "4"}, "no group 4 (the source has 3 icon groups)"},
        {{"--index", "3"}, "no icon at index 3"},
        {{"--index=-7"}, "no icon group with resource ID 7"},
        {{"--resource", "APPX"}, "no icon group with resource APPX"},
    };
    for (const Case& c : cases) {
        const TempDir dir;
        auto arguments = c.arguments;
        arguments.push_back(FixturePath("sample.dll"));
        arguments.push_back(dir.File("out"));
        const auto run = RunTool(arguments);
        EXPECT_EQ(run.status, 1) << c.message;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out")) << c.message;
    }
}

TEST(SelectionTest, LanguagePrefersTheOneAskedForWhereTheGroupHasIt) {
    const auto run =
        RunTool({"--list", "--json", "--language", "0x40C", FixturePath("languages32.dll")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json groups = json::parse(run.out)[0]["groups"];
    EXPECT_NE(groups[0]["language"], 0x040C);  // group 1 has no French
    EXPECT_EQ(groups[2]["language"], 0x040C);

    // The German and English versions are different images.
    const TempDir dir;
    ASSERT_EQ(RunTool({"--language", "1031", "--group", "1", FixturePath("languages64.dll"),
                       dir.File("de")})
                  .status,
              0);
    ASSERT_EQ(RunTool({"--language", "0x0409", "--group", "1", FixturePath("languages64.dll"),
                       dir.File("en")})
                  .status,
              0);
    EXPECT_NE(ReadFileBytes(dir.File("de/1.ico")), ReadFileBytes(dir.File("en/1.ico")));
}

TEST(SelectionTest, AllLanguagesWritesEachUnderItsOwnName) {
    const TempDir dir;
    const auto run = RunTool({"--all-languages", FixturePath("languages32.dll"), dir.File("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.Path() / "out")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names,
              (std::vector<std::string>{"1-0000.ico", "1-0407.ico", "1-0409.ico", "2-0407.ico",
                                        "2-0409.ico", "3-0407.ico", "3-040c.ico"}));
    EXPECT_NE(ReadFileBytes(dir.File("out/3-0407.ico")), ReadFileBytes(dir.File("out/3-040c.ico")));
}

TEST(SelectionTest, BadArgumentsExit2WithTheUsageAndWriteNothing) {
    const std::vector<std::vector<std::string>> cases = {
        {"--group", "0"},
        {"--group", "1", "--index", "0"},
        {"--resource", "APP", "--group", "1"},
        {"--language", "0x10000"},
        {"--language", "english"},
        {"--language", "0x409", "--all-languages"},
        {"--json"},
        {"--size", "0"},
        {"--name", "{nope}"},
        {"--name", "sub/{n}"},
        {"--name", "{n"},
        {"-q", "-v"},
        {"--no-such-option"},
    };
    for (const auto& c : cases) {
        const TempDir dir;
        auto arguments = c;
        arguments.push_back(FixturePath("sample.dll"));
        arguments.push_back(dir.File("out"));
        const auto run = RunTool(arguments);
        EXPECT_EQ(run.status, 2) << c[0];
        EXPECT_NE(run.err.find("usage: tavrin-extract"), std::string::npos) << c[0];
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out")) << c[0];
    }
}

}  // namespace
}  // namespace tavrin::test
