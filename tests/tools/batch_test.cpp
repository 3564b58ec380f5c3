// -o with many sources: the folder layout, -r, --name, exit codes, PNG
// files.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/cli_runner.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

// Every file below `folder`, as sorted relative paths.
std::vector<std::string> FilesBelow(const fs::path& folder) {
    std::vector<std::string> files;
    for (const auto& entry : fs::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) {
            files.push_back(entry.path().lexically_relative(folder).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(BatchTest, EachSourceGetsTheFolderOfItsPathBelowTheArgument) {
    const TempDir dir;
    fs::create_directories(dir.Path() / "in" / "sub");
    fs::copy_file(FixturePath("sample.dll"), dir.Path() / "in" / "sample.dll");
    fs::copy_file(FixturePath("three_images.ico"), dir.Path() / "in" / "sub" / "Three.ICO");
    WriteFileBytes(dir.File("in/sub/notes.txt"), {'x'});
    WriteFileBytes(dir.File("in/sub/broken.dll"), {'x'});

    const auto run =
        RunTool({"-o", dir.File("out"), "-r", dir.File("in"), FixturePath("languages32.dll")});
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(
        FilesBelow(dir.Path() / "out"),
        (std::vector<std::string>{"languages32.dll/1.ico", "languages32.dll/2.ico",
                                  "languages32.dll/3.ico", "sample.dll/1.ico", "sample.dll/2.ico",
                                  "sample.dll/3.ico", "sub/Three.ICO/1.ico"}));
    EXPECT_EQ(run.err, "tavrin-extract: " + dir.File("in/sub/broken.dll") + ": not a module\n");
    // Printed in source order, whichever finished first; no progress line
    // when stderr is not a terminal.
    EXPECT_LT(run.out.find("sample.dll/3.ico"), run.out.find("Three.ICO/1.ico"));
    EXPECT_LT(run.out.find("Three.ICO/1.ico"), run.out.find("languages32.dll/1.ico"));
    EXPECT_EQ(run.err.find('\r'), std::string::npos);
}

TEST(BatchTest, ExitStatusSaysWhetherAllSomeOrNoneWereWritten) {
    struct Case {
        std::vector<std::string> sources;
        int status;
    };
    const std::vector<Case> cases = {
        {{"sample.dll", "groups32.dll"}, 0},  // a damaged group alone fails nothing
        {{"sample.dll", "nogroups.dll"}, 3},
        {{"nogroups.dll", "absent.dll"}, 1},
    };
    for (const Case& c : cases) {
        const TempDir dir;
        std::vector<std::string> arguments = {"-o", dir.File("out")};
        for (const auto& source : c.sources) {
            arguments.push_back(FixturePath(source));
        }
        EXPECT_EQ(RunTool(arguments).status, c.status) << c.sources[1];
    }
}

TEST(BatchTest, AFolderIsWalkedOnlyWithR) {
    const TempDir dir;
    fs::create_directories(dir.Path() / "in");
    fs::copy_file(FixturePath("sample.dll"), dir.Path() / "in" / "sample.dll");
    const auto run = RunTool({"-o", dir.File("out"), dir.File("in")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("a folder; -r walks it"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.Path() / "out"));
}

TEST(BatchTest, OnlyTheBatchAndListFormsReadTheWiderKinds) {
    // SOURCE [DIR] keeps the Windows program's four kinds; -o and --list
    // read a control-panel module as what it is.
    const TempDir dir;
    const std::string source = dir.File("panel.cpl");
    fs::copy_file(FixturePath("sample.dll"), source);
    const auto single = RunTool({source, dir.File("single")});
    EXPECT_EQ(single.status, 1);
    EXPECT_NE(single.err.find("not an exe, dll, icl or ico file"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir.Path() / "single"));
    EXPECT_EQ(RunTool({"-o", dir.File("batch"), source}).status, 0);
    EXPECT_EQ(FilesBelow(dir.Path() / "batch"),
              (std::vector<std::string>{"panel.cpl/1.ico", "panel.cpl/2.ico", "panel.cpl/3.ico"}));
    EXPECT_EQ(RunTool({"--list", source}).status, 0);
}

TEST(BatchTest, ATerminalSeesAProgressLineAndAPipeDoesNot) {
    const TempDir dir;
    const std::string source = FixturePath("sample.dll");
    const std::string tool = TAVRIN_EXTRACT_TOOL;
    // `script` gives the tool a terminal of its own and keeps what it shows.
    const std::string command = "script -qec '" + tool + " -o " + dir.File("tty") + " " + source +
                                " " + source + "' /dev/null > " + dir.File("tty.log") + " 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto shown = ReadFileBytes(dir.File("tty.log"));
    ASSERT_TRUE(shown);
    const std::string text(shown->begin(), shown->end());
    EXPECT_NE(text.find("\r1 of 2 sources"), std::string::npos) << text;
    EXPECT_NE(text.find("\r2 of 2 sources"), std::string::npos) << text;
    const auto piped = RunTool({"-o", dir.File("pipe"), source, source});
    EXPECT_EQ(piped.status, 0);
    EXPECT_EQ(piped.err.find("sources"), std::string::npos) << piped.err;
}

TEST(BatchTest, TwoArgumentsOfOneNameKeepFoldersOfTheirOwn) {
    const TempDir dir;
    fs::create_directories(dir.Path() / "a");
    fs::copy_file(FixturePath("sample.dll"), dir.Path() / "a" / "sample.dll");
    const auto run =
        RunTool({"-o", dir.File("out"), FixturePath("sample.dll"), dir.File("a/sample.dll")});
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(fs::exists(dir.Path() / "out" / "sample.dll" / "3.ico"));
    EXPECT_TRUE(fs::exists(dir.Path() / "out" / "sample.dll~2" / "3.ico"));
}

TEST(BatchTest, NameTemplatesFillInAndNeverRepeatANameWithinASource) {
    struct Case {
        std::string pattern;
        std::vector<std::string> files;
    };
    const std::vector<Case> cases = {
        {"{source}-{id}", {"sample.dll-1.ico", "sample.dll-2.ico", "sample.dll-APP.ico"}},
        {"{name}", {"APP.ico", "_.ico", "_~2.ico"}},
        {"icon", {"icon.ico", "icon~2.ico", "icon~3.ico"}},
        {"{n} {lang}", {"1_0409.ico", "2_0409.ico", "3_0409.ico"}},
    };
    for (const Case& c : cases) {
        const TempDir dir;
        const auto run =
            RunTool({"-o", dir.File("out"), "--name", c.pattern, FixturePath("sample.dll")});
        EXPECT_EQ(run.status, 0) << c.pattern << run.err;
        std::vector<std::string> expected;
        for (const auto& file : c.files) {
            expected.push_back("sample.dll/" + file);
        }
        EXPECT_EQ(FilesBelow(dir.Path() / "out"), expected) << c.pattern;
    }
}

TEST(BatchTest, PngWritesTheKeptImageAsItsOwnFile) {
    const TempDir dir;
    const auto run = RunTool(
        {"--png", "--size", "256", "--group", "1", FixturePath("sample.dll"), dir.File("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("out/1-256x256-32.png") + "\tPNG 256x256 32-bit\n");
    const auto png = ReadFileBytes(dir.File("out/1-256x256-32.png"));
    ASSERT_TRUE(png);
    EXPECT_EQ(png->size(), 91292u);
    EXPECT_EQ(ByteVector(png->begin(), png->begin() + 8),
              (ByteVector{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'}));
}

}  // namespace
}  // namespace tavrin::test
