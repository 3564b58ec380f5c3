// Directories whose tables and names are shared, overlap or point back at
// themselves. Faults: overlapping language tables made one extraction read
// 65535 tables of 65535 entries each (17 s); a search by text compared every
// long name whole, however many times the names overlapped; and every call
// read the name level again, so visiting all 131070 groups of a module took
// time in their square.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/icon_group.h"
#include "icons/module.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"
#include "tests/support/raw_directory.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;
using test::kHighBit;
using Entries = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

const ByteVector kImage = test::DibImage(16, 16, 4, 0x11);
const ByteVector kOtherImage = test::DibImage(32, 32, 8, 0x22);

struct Extraction {
    int count;
    std::optional<ByteVector> written;
};

Extraction ExtractFirst(const ByteVector& module) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("m.dll"), module);
    const int count = ExtractIconGroup(dir.File("m.dll").c_str(), 0, dir.File("1.ico").c_str(), 1);
    return {count, test::ReadFileBytes(dir.File("1.ico"))};
}

std::vector<std::uint16_t> OneTo(std::size_t last) {
    std::vector<std::uint16_t> ids(last);
    for (std::size_t i = 0; i < last; ++i) {
        ids[i] = static_cast<std::uint16_t>(i + 1);
    }
    return ids;
}

TEST(SharedDirectoryTest, NamesSharingOneLanguageTableEachGiveItsImage) {
    test::RawDirectory dir;
    const auto shared = dir.Leaf(kImage);
    const auto icons = dir.Table(
        {{1, kHighBit | shared}, {2, kHighBit | dir.Leaf(kOtherImage)}, {3, kHighBit | shared}});
    dir.Root(icons, dir.Table({{1, kHighBit | dir.Leaf(test::GroupDirectory({3, 2, 1, 3}))}}));
    const Extraction result = ExtractFirst(test::ModuleWithResourceSection(dir.Bytes()));
    EXPECT_EQ(result.count, 1);
    EXPECT_EQ(result.written, test::ExpectedIco({kImage, kOtherImage, kImage, kImage}));
}

TEST(SharedDirectoryTest, LanguageTablesLaidOverOneAnotherEndTheSearch) {
    // 4096 images whose language tables start one entry apart in a single
    // run of entries (language 0x0409, target 0x1000). A table's counts are
    // the target field of the entry after its header, so every table holds
    // 0x1000 entries, and each entry leads to the data entry at 0x1000.
    constexpr std::uint32_t kShared = 0x1000;
    constexpr std::size_t kImages = 4096;
    test::RawDirectory dir;
    const auto image = dir.Put(kImage);
    dir.Put(ByteVector(kShared - dir.Bytes().size(), 0), 1);
    ByteVector dataEntry;
    test::PutLe(dataEntry, test::kResourceSectionRva + image, 4);
    test::PutLe(dataEntry, kImage.size(), 4);
    test::PutLe(dataEntry, 0, 8);
    ASSERT_EQ(dir.Put(dataEntry), kShared);
    ByteVector run;
    for (std::size_t i = 0; i < kImages + kShared + 2; ++i) {
        test::PutLe(run, 0x0409, 4);
        test::PutLe(run, kShared, 4);
    }
    const auto runAt = dir.Put(run, 8);
    Entries icons;
    for (std::uint32_t i = 0; i < kImages; ++i) {
        icons.emplace_back(i + 1, kHighBit | (runAt + 8 * i));
    }
    const auto iconNames = dir.Table(icons);
    dir.Root(iconNames,
             dir.Table({{1, kHighBit | dir.Leaf(test::GroupDirectory(OneTo(kImages)))}}));
    const ByteVector module = test::ModuleWithResourceSection(dir.Bytes());

    // Each table alone is sound and gives the image.
    const Module opened = Module::FromBytes(module);
    const auto first = opened.Resources()->DataAt(kResourceTypeIcon, 0);
    ASSERT_TRUE(first);
    EXPECT_TRUE(std::equal(first->bytes.begin(), first->bytes.end(), kImage.begin(), kImage.end()));
    // Together they would be read over and over: the group is not built.
    const Extraction result = ExtractFirst(module);
    EXPECT_EQ(result.count, 1);
    EXPECT_FALSE(result.written);
}

TEST(SharedDirectoryTest, ASearchByTextOverOverlappingNamesEndsWithinItsAllowance) {
    // 2048 names of 2048 characters laid one character apart: name i is
    // (2048 - 1 - i) times the character 2048 followed by the start of the
    // tail, so all have the same length and differ only toward their end.
    constexpr std::size_t kNames = 2048;
    constexpr std::size_t kLength = 2048;
    test::RawDirectory dir;
    ByteVector run;
    std::u16string last;
    for (std::size_t i = 0; i < kNames + kLength; ++i) {
        const char16_t c = i < kNames ? char16_t{kLength} : static_cast<char16_t>(u'a' + i % 26);
        test::PutLe(run, c, 2);
        if (i >= kNames) {
            last += c;
        }
    }
    const auto runAt = dir.Put(run, 2);
    const auto group = dir.Leaf(test::GroupDirectory({1}));
    Entries names;
    for (std::size_t i = 0; i < kNames; ++i) {
        names.emplace_back(kHighBit | (runAt + 2 * i), kHighBit | group);
    }
    dir.Root(dir.Table({{1, kHighBit | dir.Leaf(kImage)}}), dir.Table(names, kNames));
    test::TempDir temp;
    test::WriteFileBytes(temp.File("m.dll"), test::ModuleWithResourceSection(dir.Bytes()));

    const Module module = Module::Open(temp.File("m.dll"), std::nullopt);
    ASSERT_EQ(module.Resources()->CountNames(kResourceTypeGroupIcon), kNames);
    ASSERT_EQ(module.Resources()->NameAt(kResourceTypeGroupIcon, kNames - 1), ResourceName(last));
    EXPECT_FALSE(module.Resources()->Find(kResourceTypeGroupIcon, last));
    EXPECT_FALSE(LoadIconGroup(temp.File("m.dll"), last));
}

TEST(SharedDirectoryTest, ASearchByTextAmongManyNamesOfOneLengthFindsTheLast) {
    test::RawDirectory dir;
    const auto group = dir.Leaf(test::GroupDirectory({1}));
    Entries names;
    std::u16string name;
    for (std::size_t i = 0; i < 4096; ++i) {
        name = u"GROUP";
        for (std::size_t n = i; name.size() < 8; n /= 26) {
            name += static_cast<char16_t>(u'A' + n % 26);
        }
        names.emplace_back(kHighBit | dir.Text(name), kHighBit | group);
    }
    dir.Root(dir.Table({{1, kHighBit | dir.Leaf(kImage)}}), dir.Table(names, names.size()));
    test::TempDir temp;
    test::WriteFileBytes(temp.File("m.dll"), test::ModuleWithResourceSection(dir.Bytes()));
    const auto set = LoadIconGroup(temp.File("m.dll"), name);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->images.size(), 1u);
}

TEST(SharedDirectoryTest, EveryGroupOfTheLargestNameTableCanBeVisitedInTurn) {
    // 131070 names, all one text of 65535 characters.
    test::RawDirectory dir;
    const std::u16string text(0xFFFF, u'A');
    const auto textAt = dir.Text(text);
    const auto group = dir.Leaf(test::GroupDirectory({1}));
    dir.Root(dir.Table({{1, kHighBit | dir.Leaf(kImage)}}),
             dir.Table(Entries(131070, {kHighBit | textAt, kHighBit | group}), 65535));
    const ByteVector module = test::ModuleWithResourceSection(dir.Bytes());

    const Module opened = Module::FromBytes(module);
    const ResourceTable& resources = *opened.Resources();
    ASSERT_EQ(resources.CountNames(kResourceTypeGroupIcon), 131070u);
    std::size_t built = 0;
    for (std::size_t position = 0; position < 131070; ++position) {
        built += resources.DataAt(kResourceTypeGroupIcon, position) ? 1 : 0;
    }
    EXPECT_EQ(built, 131070u);
    EXPECT_EQ(resources.NameAt(kResourceTypeGroupIcon, 131069), ResourceName(text));
    EXPECT_TRUE(resources.Find(kResourceTypeGroupIcon, text));
    const auto set = BuildIconGroupAt(resources, 131069);
    ASSERT_TRUE(set);
    EXPECT_EQ(set->images.size(), 1u);
}

TEST(SharedDirectoryTest, ADirectoryPointingBackAtItselfEndsWithAClearResult) {
    const struct {
        const char* shape;
        std::function<void(test::RawDirectory&, std::size_t names)> damage;
        Extraction expected;
    } cases[] = {
        {"the languages are the name table itself",
         [](test::RawDirectory& d, std::size_t names) { d.SetTarget(names, 0, kHighBit | names); },
         {1, std::nullopt}},
        {"the languages are the root",
         [](test::RawDirectory& d, std::size_t names) { d.SetTarget(names, 0, kHighBit); },
         {1, std::nullopt}},
        {"a fourth level below the languages",
         [](test::RawDirectory& d, std::size_t names) {
             const auto languages = d.Table({{0x0409, 0}});
             d.SetTarget(languages, 0, kHighBit | names);
             d.SetTarget(names, 0, kHighBit | languages);
         },
         {1, std::nullopt}},
        {"the icon names are the root",
         [](test::RawDirectory& d, std::size_t) { d.SetTarget(0, 0, kHighBit); },
         {1, std::nullopt}},
        {"the group's data is the root table",
         [](test::RawDirectory& d, std::size_t names) {
             const auto entry = d.Put(ByteVector(16, 0));
             test::ByteVector field;
             test::PutLe(field, test::kResourceSectionRva, 4);
             test::PutLe(field, 16, 4);
             std::copy(field.begin(), field.end(), d.Bytes().begin() + entry);
             d.SetTarget(names, 0, kHighBit | d.Table({{0x0409, entry}}));
         },
         {1, ByteVector{0, 0, 1, 0, 0, 0}}},
    };
    for (const auto& c : cases) {
        test::RawDirectory dir;
        const auto icons = dir.Table({{1, kHighBit | dir.Leaf(kImage)}});
        const auto names = dir.Table({{1, kHighBit | dir.Leaf(test::GroupDirectory({1}))}});
        dir.Root(icons, names);
        c.damage(dir, names);
        const Extraction result = ExtractFirst(test::ModuleWithResourceSection(dir.Bytes()));
        EXPECT_EQ(result.count, c.expected.count) << c.shape;
        EXPECT_EQ(result.written, c.expected.written) << c.shape;
    }
}

}  // namespace
}  // namespace tavrin::icons
