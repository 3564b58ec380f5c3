// Cursor groups and animated cursors, the stored languages of a name, and
// the module's format, as IconSource gives them.

#include <gtest/gtest.h>

#include <vector>

#include "icons/ico_file.h"
#include "icons/icon_source.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::FixturePath;

TEST(CursorGroupsTest, AreWrittenBackAsTheCursorFilesTheyCameFrom) {
    const IconSource source = IconSource::Open(FixturePath("cursors.dll"), std::nullopt);
    ASSERT_EQ(source.GroupCount(GroupKind::kCursor), 2u);
    EXPECT_EQ(source.GroupCount(GroupKind::kIcon), 1u);
    test::TempDir dir;
    const struct {
        const char* file;
        ResourceName name;
        std::vector<std::pair<int, int>> hotspots;
    } cases[] = {
        {"arrow.cur", u"ARROW", {{3, 4}, {10, 12}}},
        {"hand.cur", std::uint16_t{2}, {{0, 0}}},
    };
    for (std::size_t position = 0; position < 2; ++position) {
        const auto& c = cases[position];
        EXPECT_EQ(source.GroupName(position, GroupKind::kCursor), c.name);
        const IconGroup group = source.GroupAt(position, GroupKind::kCursor);
        ASSERT_TRUE(group.set) << c.file;
        EXPECT_EQ(group.set->kind, GroupKind::kCursor);
        ASSERT_EQ(group.set->images.size(), c.hotspots.size());
        for (std::size_t i = 0; i < c.hotspots.size(); ++i) {
            EXPECT_EQ(group.set->images[i].hotspotX, c.hotspots[i].first) << c.file << i;
            EXPECT_EQ(group.set->images[i].hotspotY, c.hotspots[i].second) << c.file << i;
        }
        const std::string out = dir.File(c.file);
        ASSERT_TRUE(WriteIcoFileReporting(*group.set, out));
        EXPECT_EQ(test::ReadFileBytes(out), test::ReadFileBytes(FixturePath(c.file))) << c.file;
    }
    EXPECT_FALSE(source.GroupAt(2, GroupKind::kCursor).set);
}

TEST(CursorGroupsTest, AnAnimatedCursorIsGivenAsStored) {
    const IconSource source = IconSource::Open(FixturePath("cursors.dll"), std::nullopt);
    ASSERT_EQ(source.AnimatedCursorCount(), 1u);
    const auto bytes = source.AnimatedCursorAt(0);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(test::ByteVector(bytes->begin(), bytes->end()),
              test::ReadFileBytes(FixturePath("spin.ani")));
    EXPECT_FALSE(source.AnimatedCursorAt(1));
    EXPECT_EQ(IconSource::Open(FixturePath("sample.dll"), std::nullopt).AnimatedCursorCount(), 0u);
}

TEST(CursorGroupsTest, AnIconFileHasNoCursorGroups) {
    test::TempDir dir;
    const IconSource source = IconSource::Open(FixturePath("depths.ico"), std::nullopt);
    EXPECT_EQ(source.GroupCount(GroupKind::kIcon), 1u);
    EXPECT_EQ(source.GroupCount(GroupKind::kCursor), 0u);
    EXPECT_FALSE(source.GroupAt(0, GroupKind::kCursor).set);
    EXPECT_FALSE(source.GroupName(0));
}

TEST(SourceDetailsTest, GiveTheStoredLanguagesAndTheModuleFormat) {
    const IconSource languages = IconSource::Open(FixturePath("languages64.dll"), std::nullopt);
    EXPECT_EQ(languages.GroupLanguages(0), (std::vector<std::uint16_t>{0x0000, 0x0407, 0x0409}));
    EXPECT_EQ(languages.GroupLanguages(2), (std::vector<std::uint16_t>{0x0407, 0x040C}));
    EXPECT_TRUE(languages.GroupLanguages(3).empty());
    const struct {
        const char* fixture;
        ModuleFormat format;
    } cases[] = {{"groups32.dll", ModuleFormat::kPe32}, {"groups64.dll", ModuleFormat::kPe32Plus}};
    for (const auto& c : cases) {
        const IconSource source = IconSource::Open(FixturePath(c.fixture), std::nullopt);
        ASSERT_NE(source.Resources(), nullptr);
        EXPECT_EQ(source.Resources()->Format(), c.format) << c.fixture;
    }
}

// The bytes of a group's first image; empty when there is no group.
test::ByteVector FirstImage(const IconGroup& group) {
    if (!group.set || group.set->images.empty()) {
        return {};
    }
    const auto bytes = group.set->images[0].bytes();
    return {bytes.begin(), bytes.end()};
}

TEST(SourceDetailsTest, AWantedLanguageComesBeforeNeutral) {
    // Group 1 is German, English and neutral; group 2 German and English.
    const IconSource source = IconSource::Open(FixturePath("languages64.dll"), std::nullopt);
    const auto neutral = FirstImage(source.GroupAt(0));
    const auto german = FirstImage(source.GroupAt(0, GroupKind::kIcon, 0x0407));
    ASSERT_FALSE(neutral.empty());
    EXPECT_NE(german, neutral);
    EXPECT_EQ(german, FirstImage(source.GroupAt(1, GroupKind::kIcon, 0x0407)));
    EXPECT_EQ(FirstImage(source.GroupAt(0, GroupKind::kIcon, 0x0411)), neutral) << "not listed";
}

}  // namespace
}  // namespace tavrin::icons
