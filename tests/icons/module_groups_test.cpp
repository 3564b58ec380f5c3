// Modules made by the mingw-w64 resource compiler and linker, 32- and 64-bit.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/icon_group.h"
#include "icons/icon_source.h"
#include "tests/support/expected_ico.h"
#include "tests/support/little_endian.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;
using test::FixturePath;

// The images an icon file of the fixtures holds, as the module stores them.
std::vector<ByteVector> ImagesOfFixtureIcon(const std::string& name) {
    const auto file = test::ReadFileBytes(FixturePath(name));
    EXPECT_TRUE(file) << name;
    return file ? test::ImagesOfIco(*file) : std::vector<ByteVector>{};
}

class ModuleGroupsTest : public testing::TestWithParam<const char*> {
  protected:
    std::string Module() const { return FixturePath(GetParam()); }

    int Extract(int index, const std::string& out) const {
        return ExtractIconGroup(Module().c_str(), 0, out.c_str(), index);
    }

    test::TempDir dir_;
};

TEST_P(ModuleGroupsTest, WritesEveryGroupInStoredOrderNamedOnesFirst) {
    // groups.rc: 1, 2, BETA, ALPHA, 3 (whose entry claims 48x48 for a 32x32
    // image), 40 (image missing), 41 (no entries).
    const struct {
        int index;
        std::optional<std::string> icon;  // the source icon, or none for no file
    } cases[] = {
        {1, "large.ico"}, {2, "single.ico"}, {3, "depths.ico"}, {4, "truecolour.ico"},
        {5, "liar.ico"},  {6, std::nullopt}, {7, ""},
    };
    for (const auto& c : cases) {
        const std::string out = dir_.File(std::to_string(c.index) + ".ico");
        EXPECT_EQ(Extract(c.index, out), 7) << c.index;
        const auto written = test::ReadFileBytes(out);
        if (!c.icon) {
            EXPECT_FALSE(written) << "a group with a missing image yields no file";
        } else if (c.icon->empty()) {
            EXPECT_EQ(written, (ByteVector{0, 0, 1, 0, 0, 0}));
        } else {
            EXPECT_EQ(written, test::ExpectedIco(ImagesOfFixtureIcon(*c.icon))) << c.index;
        }
    }
    for (int index : {8, 9, 100}) {
        const std::string out = dir_.File(std::to_string(index) + ".ico");
        EXPECT_EQ(Extract(index, out), 0);
        EXPECT_FALSE(std::filesystem::exists(out));
    }
}

TEST_P(ModuleGroupsTest, TheDirectoryFollowsTheImageNotTheGroupEntry) {
    Extract(5, dir_.File("5.ico"));
    const auto written = test::ReadFileBytes(dir_.File("5.ico"));
    ASSERT_TRUE(written);
    EXPECT_EQ((*written)[6], 32);  // the group entry says 48
    EXPECT_EQ((*written)[6 + 1], 32);
    EXPECT_EQ((*written)[6 + 2], 0);                       // 8 bits: no colour count
    EXPECT_EQ(test::GetLe(*written, 6 + 16 + 20, 4), 0u);  // biSizeImage
}

TEST_P(ModuleGroupsTest, LoadsGroupsByNumberOrByTextWhateverTheCase) {
    const struct {
        ResourceName name;
        std::optional<std::string> icon;
    } cases[] = {
        {std::uint16_t{2}, "truecolour.ico"},
        {u"alpha", "large.ico"},
        {u"BeTa", "single.ico"},
        {std::uint16_t{40}, std::nullopt},
        {std::uint16_t{999}, std::nullopt},
        {u"GAMMA", std::nullopt},
    };
    for (const auto& c : cases) {
        const auto set = LoadIconGroup(Module(), c.name);
        ASSERT_EQ(set.has_value(), c.icon.has_value()) << DescribeResourceName(c.name);
        if (set) {
            std::vector<ByteVector> images;
            for (const IconImage& image : set->images) {
                images.emplace_back(image.bytes().begin(), image.bytes().end());
            }
            EXPECT_EQ(images, ImagesOfFixtureIcon(*c.icon));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, ModuleGroupsTest,
                         testing::Values("groups32.dll", "groups64.dll"));

class LanguagesTest : public testing::TestWithParam<const char*> {};

TEST_P(LanguagesTest, PicksNeutralThenEnglishThenTheFirstListed) {
    // 1: German, English and neutral; 2: German and English; 3: German and
    // French. Each language has its own image.
    test::TempDir dir;
    const std::string module = FixturePath(GetParam());
    const char* expected[] = {"neutral.ico", "english.ico", "german.ico"};
    for (int index = 1; index <= 3; ++index) {
        const std::string out = dir.File(std::to_string(index) + ".ico");
        EXPECT_EQ(ExtractIconGroup(module.c_str(), 0, out.c_str(), index), 3);
        EXPECT_EQ(test::ReadFileBytes(out),
                  test::ExpectedIco(ImagesOfFixtureIcon(expected[index - 1])))
            << index;
    }
}

TEST_P(LanguagesTest, TheUserLanguageGivenToTheSourceComesAfterNeutral) {
    const std::string module = FixturePath(GetParam());
    const struct {
        std::optional<std::uint16_t> user;
        std::size_t position;
        const char* expected;
    } cases[] = {
        {0x0407, 0, "neutral.ico"},      {0x0407, 1, "german.ico"}, {0x040C, 1, "english.ico"},
        {0x040C, 2, "french.ico"},       {0x080C, 2, "german.ico"},  // no primary-language entry
        {std::nullopt, 2, "german.ico"},
    };
    for (const auto& c : cases) {
        const auto group = IconSource::Open(module, c.user).GroupAt(c.position);
        ASSERT_TRUE(group.set);
        std::vector<ByteVector> images;
        for (const IconImage& image : group.set->images) {
            images.emplace_back(image.bytes().begin(), image.bytes().end());
        }
        EXPECT_EQ(images, ImagesOfFixtureIcon(c.expected))
            << c.position << " for " << (c.user ? *c.user : 0);
    }
}

INSTANTIATE_TEST_SUITE_P(BothWidths, LanguagesTest,
                         testing::Values("languages32.dll", "languages64.dll"));

TEST(ManyGroupsTest, EveryGroupPastAHundredIsReachable) {
    test::TempDir dir;
    const std::string module = FixturePath("many_groups.dll");
    for (int index : {1, 100, 101, 120}) {
        const std::string out = dir.File(std::to_string(index) + ".ico");
        EXPECT_EQ(ExtractIconGroup(module.c_str(), 0, out.c_str(), index), 120);
        EXPECT_EQ(test::ReadFileBytes(out),
                  test::ExpectedIco(ImagesOfFixtureIcon("many" + std::to_string(index) + ".ico")));
    }
    EXPECT_EQ(ExtractIconGroup(module.c_str(), 0, dir.File("121.ico").c_str(), 121), 0);
    EXPECT_EQ(IconSource::Open(module, std::nullopt).GroupCount(), 120u);
}

}  // namespace
}  // namespace tavrin::icons
