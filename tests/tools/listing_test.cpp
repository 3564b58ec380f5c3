// --list and --list --json against the fixtures' known layout, --size,
// messages (-q, -v) and --help/--version.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/cli_runner.h"

namespace tavrin::test {
namespace {

using nlohmann::json;

TEST(ListingTest, TextShowsEveryGroupWithItsImagesAndWritesNothing) {
    const TempDir here;
    const auto run = RunTool({"--list", FixturePath("sample.dll")}, here.Path().string());
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, FixturePath("sample.dll") +
                           " (pe32)\n"
                           "  group 1, name \"APP\", language 0x0409\n"
                           "    256x256, 32-bit, PNG, 91292 bytes\n"
                           "    48x48, 32-bit, bitmap, 9640 bytes\n"
                           "  group 2, id 1, language 0x0409\n"
                           "    16x16, 1-bit, bitmap, 176 bytes\n"
                           "    32x32, 4-bit, bitmap, 744 bytes\n"
                           "    32x32, 8-bit, bitmap, 2216 bytes\n"
                           "  group 3, id 2, language 0x0409\n"
                           "    48x48, 24-bit, bitmap, 7336 bytes\n"
                           "    32x32, 32-bit, bitmap, 4264 bytes\n");
    EXPECT_TRUE(std::filesystem::is_empty(here.Path()));
}

TEST(ListingTest, JsonHasOneObjectPerSourceInArgumentOrder) {
    const auto run = RunTool({"--list", "--json", FixturePath("sample.dll"),
                              FixturePath("three_images.ico"), FixturePath("groups32.dll")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json document = json::parse(run.out);
    ASSERT_EQ(document.size(), 3u);

    const json& sample = document[0];
    EXPECT_EQ(sample["source"], FixturePath("sample.dll"));
    EXPECT_EQ(sample["format"], "pe32");
    EXPECT_TRUE(sample["mun"].is_null());
    ASSERT_EQ(sample["groups"].size(), 3u);
    const json& app = sample["groups"][0];
    EXPECT_EQ(app["position"], 1);
    EXPECT_TRUE(app["id"].is_null());
    EXPECT_EQ(app["name"], "APP");
    EXPECT_EQ(app["language"], 0x0409);
    EXPECT_EQ(app["images"][0],
              json::parse(R"({"width":256,"height":256,"bitCount":32,"png":true,"bytes":91292})"));
    EXPECT_EQ(app["images"][1]["png"], false);
    EXPECT_EQ(sample["groups"][1]["id"], 1);
    EXPECT_TRUE(sample["groups"][1]["name"].is_null());
    EXPECT_EQ(sample["groups"][2]["id"], 2);

    const json& ico = document[1];
    EXPECT_EQ(ico["format"], "ico");
    ASSERT_EQ(ico["groups"].size(), 1u);
    EXPECT_TRUE(ico["groups"][0]["id"].is_null());
    EXPECT_TRUE(ico["groups"][0]["language"].is_null());
    EXPECT_EQ(ico["groups"][0]["images"].size(), 3u);

    // A damaged group is listed with why it has no images.
    const json& damaged = document[2]["groups"][5];
    EXPECT_EQ(damaged["id"], 40);
    EXPECT_TRUE(damaged["images"].is_null());
    EXPECT_EQ(damaged["error"], "no icon group could be read");
}

TEST(ListingTest, FailedSourceIsReportedAndTheOthersListedWithExit3) {
    const auto run =
        RunTool({"--list", "--json", FixturePath("nogroups.dll"), FixturePath("sample.dll")});
    EXPECT_EQ(run.status, 3);
    const json document = json::parse(run.out);
    EXPECT_EQ(document[0]["error"], "no icon groups");
    EXPECT_EQ(document[1]["groups"].size(), 3u);
    EXPECT_NE(run.err.find("nogroups.dll: no icon groups"), std::string::npos);
}

TEST(ListingTest, SizeKeepsTheClosestImageTiesToLargerThenDeeper) {
    struct Case {
        const char* size;
        int width;
        int bits;
    };
    // Group 2 of sample.dll: 16x16 1-bit, 32x32 4-bit, 32x32 8-bit.
    for (const Case& c : {Case{"16", 16, 1}, Case{"20", 16, 1}, Case{"24", 32, 8},
                          Case{"32", 32, 8}, Case{"256", 32, 8}}) {
        const auto run = RunTool(
            {"--list", "--json", "--group", "2", "--size", c.size, FixturePath("sample.dll")});
        ASSERT_EQ(run.status, 0) << c.size << run.err;
        const json images = json::parse(run.out)[0]["groups"][0]["images"];
        ASSERT_EQ(images.size(), 1u) << c.size;
        EXPECT_EQ(images[0]["width"], c.width) << c.size;
        EXPECT_EQ(images[0]["bitCount"], c.bits) << c.size;
    }
}

TEST(ListingTest, VerboseSaysWhenTheResourceFileWasRead) {
    // A module without icon groups; its .mun holds them.
    const TempDir dir;
    std::filesystem::create_directories(dir.Path() / "app");
    std::filesystem::create_directories(dir.Path() / "SystemResources");
    std::filesystem::copy_file(FixturePath("nogroups.dll"), dir.Path() / "app" / "x.dll");
    std::filesystem::copy_file(FixturePath("sample.dll"),
                               dir.Path() / "SystemResources" / "x.dll.mun");
    const std::string module = dir.File("app/x.dll");

    const auto listed = RunTool({"--list", "--json", module});
    ASSERT_EQ(listed.status, 0) << listed.err;
    const json mun = json::parse(listed.out)[0]["mun"];
    ASSERT_TRUE(mun.is_string());
    EXPECT_NE(mun.get<std::string>().find("x.dll.mun"), std::string::npos);

    const auto quiet = RunTool({module, dir.File("out")});
    EXPECT_EQ(quiet.err, "");
    const auto verbose = RunTool({"-v", module, dir.File("out")});
    EXPECT_EQ(verbose.status, 0);
    EXPECT_NE(verbose.err.find("x.dll.mun"), std::string::npos) << verbose.err;
}

TEST(ListingTest, QuietPrintsOnlyErrors) {
    const TempDir dir;
    const auto run = RunTool({"-q", FixturePath("groups32.dll"), dir.File("out")});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "tavrin-extract: group 6: no icon group could be read\n");
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / "1.ico"));
}

TEST(ListingTest, HelpNamesEveryOptionAndTheExitCodesVersionTheProjectVersion) {
    const auto help = RunTool({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option :
         {"--list", "--json", "--group", "--resource", "--index", "--language", "--all-languages",
          "--cursors", "--png", "--size", "--output", "--recursive", "--name", "--quiet",
          "--verbose", "--version", "shell32.dll,-16", "Exit status"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
    const auto version = RunTool({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, std::string("tavrin-extract ") + TAVRIN_PROJECT_VERSION + "\n");
}

}  // namespace
}  // namespace tavrin::test
