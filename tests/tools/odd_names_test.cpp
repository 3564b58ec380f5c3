// Resource names that JSON and file names cannot take as they are: the
// listing stays valid JSON and keeps the stored name.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "icons/resource_table.h"
#include "tests/support/file_bytes.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/ne_builder.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/cli_runner.h"

namespace tavrin::test {
namespace {

using nlohmann::json;

TEST(OddNamesTest, PeNamesBecomeUtf8AndUnpairedSurrogatesKeepTheirUnits) {
    struct Case {
        std::u16string stored;
        std::string shown;
        bool raw;  // whether the stored units are given beside it
    };
    const std::vector<Case> cases = {
        {u"SAY \"HI\"\\", "SAY \"HI\"\\", false},
        {u"TAB\tNL\n", "TAB\tNL\n", false},
        {u"\u00C9T\u00C9", "\u00C9T\u00C9", false},
        {u"\U0001F600", "\U0001F600", false},
        {std::u16string(u"A") + char16_t{0xD800} + u"B", "A\uFFFDB", true},
        {std::u16string(1, char16_t{0xDC00}), "\uFFFD", true},
    };
    std::vector<PeResource> resources = {
        {icons::kResourceTypeIcon, std::uint16_t{1}, 0x0409, DibImage(16, 16, 4)}};
    for (const Case& c : cases) {
        resources.push_back({icons::kResourceTypeGroupIcon, c.stored, 0x0409, GroupDirectory({1})});
    }
    const TempDir dir;
    WriteFileBytes(dir.File("odd.dll"), BuildPe(resources).bytes);

    const auto run = RunTool({"--list", "--json", dir.File("odd.dll")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json groups = json::parse(run.out)[0]["groups"];
    ASSERT_EQ(groups.size(), cases.size());
    for (const Case& c : cases) {
        // Stored sorted, so find each by what it shows.
        const auto found = std::find_if(groups.begin(), groups.end(),
                                        [&](const json& g) { return g["name"] == c.shown; });
        ASSERT_NE(found, groups.end()) << c.shown;
        EXPECT_EQ(found->contains("nameRaw"), c.raw) << c.shown;
        if (c.raw) {
            EXPECT_EQ((*found)["nameRaw"].get<std::u16string>(), c.stored);
        }
    }

    // The text listing keeps one line per group.
    const auto text = RunTool({"--list", dir.File("odd.dll")});
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 1 + 2 * 6);

    // File names from such names hold only safe characters.
    const auto written = RunTool({"-o", dir.File("out"), "--name", "{name}", dir.File("odd.dll")});
    EXPECT_EQ(written.status, 0) << written.err;
    EXPECT_TRUE(std::filesystem::exists(dir.Path() / "out" / "odd.dll" / "SAY__HI__.ico"));
}

TEST(OddNamesTest, NeNameBytesAboveAsciiAreKeptAsBytes) {
    const std::string stored = "CAF\xC9";
    NeBuilder builder;
    builder.Add(kNeGroupIcon, stored, SizedGroupDirectory({{1, 296}}));
    builder.Add(kNeIcon, std::uint16_t{1}, DibImage(16, 16, 4));
    const TempDir dir;
    WriteFileBytes(dir.File("old.exe"), builder.Build().bytes);

    const auto run = RunTool({"--list", "--json", dir.File("old.exe")});
    ASSERT_EQ(run.status, 0) << run.err;
    const json source = json::parse(run.out)[0];
    EXPECT_EQ(source["format"], "ne");
    EXPECT_EQ(source["groups"][0]["name"], "CAF\uFFFD");
    EXPECT_EQ(source["groups"][0]["nameRaw"], json::parse("[67, 65, 70, 201]"));
    // Typed as the same bytes, the name is found.
    EXPECT_EQ(RunTool({"--list", "--resource", "caf\xC9", dir.File("old.exe")}).status, 0);
}

}  // namespace
}  // namespace tavrin::test
