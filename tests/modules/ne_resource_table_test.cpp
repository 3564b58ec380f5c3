#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "icons/icon_group.h"
#include "icons/module.h"
#include "tests/modules/sample_modules.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"

namespace tavrin::test {
namespace {

using icons::Module;
using icons::ResourceName;

constexpr std::uint16_t kGroup = icons::kResourceTypeGroupIcon;
constexpr std::uint16_t kIcon = icons::kResourceTypeIcon;

std::vector<ByteVector> ImageBytes(const icons::IconImageSet& set) {
    std::vector<ByteVector> images;
    for (const auto& image : set.images) {
        images.emplace_back(image.bytes().begin(), image.bytes().end());
    }
    return images;
}

std::optional<icons::IconImageSet> GroupAt(const Module& module, std::size_t position) {
    const auto group = module.Resources()->DataAt(kGroup, position);
    if (!group) {
        return std::nullopt;
    }
    return icons::BuildIconGroup(*module.Resources(), *group);
}

TEST(NeResourceTable, ListsGroupsInStoredOrderByNumberAndText) {
    const SampleModule sample = ThreeGroupModule();
    const Module module = Module::FromBytes(sample.file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    const auto& resources = *module.Resources();

    ASSERT_EQ(resources.CountNames(kGroup), 3u);
    EXPECT_EQ(resources.NameAt(kGroup, 0), ResourceName(std::uint16_t{7}));
    EXPECT_EQ(resources.NameAt(kGroup, 1), ResourceName(u"APPLE"));
    EXPECT_EQ(resources.NameAt(kGroup, 2), ResourceName(std::uint16_t{2}));
    EXPECT_EQ(resources.NameAt(kGroup, 3), std::nullopt);
    EXPECT_EQ(resources.CountNames(kIcon), 4u);
    EXPECT_EQ(resources.CountNames(1), 0u);
}

TEST(NeResourceTable, BuildsEachGroupFromTheImagesItNames) {
    const SampleModule sample = ThreeGroupModule();
    const Module module = Module::FromBytes(sample.file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    for (std::size_t i = 0; i < sample.groups.size(); ++i) {
        const auto set = GroupAt(module, i);
        ASSERT_TRUE(set) << "group " << i;
        EXPECT_EQ(ImageBytes(*set), sample.groups[i]) << "group " << i;
    }
}

TEST(NeResourceTable, FindsNamesAsWindowsDoes) {
    const SampleModule sample = ThreeGroupModule();
    const Module module = Module::FromBytes(sample.file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    const auto& resources = *module.Resources();

    const auto byText = resources.Find(kGroup, u"apple");
    const auto second = resources.DataAt(kGroup, 1);
    ASSERT_TRUE(byText && second);
    EXPECT_EQ(byText->bytes.data(), second->bytes.data());
    EXPECT_TRUE(resources.Find(kGroup, std::uint16_t{2}));
    EXPECT_FALSE(resources.Find(kGroup, std::uint16_t{3}));
    EXPECT_FALSE(resources.Find(kGroup, u"APPLES"));
    // A name's text is not its number.
    EXPECT_FALSE(resources.Find(kGroup, u"7"));
}

TEST(NeResourceTable, GivesLengthsRoundedUpToTheAlignment) {
    const SampleModule sample = ThreeGroupModule();
    const Module module = Module::FromBytes(sample.file.bytes);
    ASSERT_NE(module.Resources(), nullptr);

    const std::uint16_t ids[] = {2, 99, 1, 2};
    const auto found = module.Resources()->FindNumbered(kIcon, ids);
    ASSERT_EQ(found.size(), 4u);
    EXPECT_FALSE(found[1]);
    ASSERT_TRUE(found[0] && found[2] && found[3]);
    EXPECT_EQ(found[0]->bytes.data(), found[3]->bytes.data());
    for (const std::size_t k : {0u, 2u}) {
        const ByteVector& icon = sample.groups[0][ids[k] - 1];
        ASSERT_NE(icon.size() % 16, 0u) << "the fixture must need padding";
        ASSERT_EQ(found[k]->bytes.size(), (icon.size() + 15) / 16 * 16);
        EXPECT_TRUE(found[k]->lengthIsRoundedUp);
        EXPECT_TRUE(std::equal(icon.begin(), icon.end(), found[k]->bytes.begin()));
        EXPECT_EQ(found[k]->bytes.back(), kNePadding);
    }
}

TEST(NeResourceTable, WidensAnsiNamesByteForByte) {
    const NeFile file =
        NeBuilder().Add(kNeGroupIcon, std::string("\xC4pfel"), SizedGroupDirectory({})).Build();
    const Module module = Module::FromBytes(file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    EXPECT_EQ(module.Resources()->NameAt(kGroup, 0),
              ResourceName(std::u16string{char16_t{0xC4}, u'p', u'f', u'e', u'l'}));
}

TEST(NeResourceTable, ReadsTheFirstRecordOfARepeatedType) {
    const NeFile file = NeBuilder()
                            .Add(kNeGroupIcon, std::uint16_t{1}, SizedGroupDirectory({}))
                            .Add(kNeIcon, std::uint16_t{1}, DibImage(16, 16, 4))
                            .Add(kNeGroupIcon, std::uint16_t{2}, SizedGroupDirectory({}))
                            .Add(kNeGroupIcon, std::uint16_t{3}, SizedGroupDirectory({}))
                            .Build();
    ASSERT_EQ(file.typeInfos.size(), 3u);
    const Module module = Module::FromBytes(file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    EXPECT_EQ(module.Resources()->CountNames(kGroup), 1u);
}

TEST(NeResourceTable, TypesNamedByTextNeverMatchANumber) {
    const NeFile file = NeBuilder()
                            .Add(std::string("14"), std::uint16_t{1}, SizedGroupDirectory({}))
                            .Add(kNeGroupIcon, std::uint16_t{5}, SizedGroupDirectory({}))
                            .Build();
    const Module module = Module::FromBytes(file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    ASSERT_EQ(module.Resources()->CountNames(kGroup), 1u);
    EXPECT_EQ(module.Resources()->NameAt(kGroup, 0), ResourceName(std::uint16_t{5}));
}

TEST(NeResourceTable, AModuleWithoutResourcesHasNoGroups) {
    const NeFile file = NeBuilder().Build();
    const Module module = Module::FromBytes(file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    EXPECT_EQ(module.Resources()->CountNames(kGroup), 0u);
}

// --- Damaged modules ---------------------------------------------------------

struct DamageCase {
    const char* name;
    std::function<void(NeFile&)> damage;
    bool isModule;
    std::size_t groupCount;
    bool firstGroupBuilds;
};

void PrintTo(const DamageCase& c, std::ostream* os) {
    *os << c.name;
}

class NeDamaged : public ::testing::TestWithParam<DamageCase> {};

TEST_P(NeDamaged, YieldsItsOwnResultWithoutReadingPastTheEnd) {
    const DamageCase& c = GetParam();
    SampleModule sample = ThreeGroupModule();
    c.damage(sample.file);
    const Module module = Module::FromBytes(sample.file.bytes);
    ASSERT_EQ(module.Resources() != nullptr, c.isModule);
    if (!c.isModule) {
        EXPECT_EQ(module.Problem(), icons::ExtractProblem::kNotAModule);
        return;
    }
    ASSERT_EQ(module.Resources()->CountNames(kGroup), c.groupCount);
    if (c.groupCount > 0) {
        const auto set = GroupAt(module, 0);
        ASSERT_EQ(set.has_value(), c.firstGroupBuilds);
        if (set) {
            EXPECT_EQ(ImageBytes(*set), sample.groups[0]);
        }
    }
}

// Record 0 holds the groups 7, "APPLE", 2; record 1 the icons 1 to 4. Group
// 7 uses icons 1 and 2.
const DamageCase kDamageCases[] = {
    {"intact", [](NeFile&) {}, true, 3, true},
    {"shift16", [](NeFile& f) { f.PutU16(f.resourceTable, 16); }, true, 0, false},
    {"shiftMax", [](NeFile& f) { f.PutU16(f.resourceTable, 0xFFFF); }, true, 0, false},
    // Names still read, but every offset now lies far past the end.
    {"shift15", [](NeFile& f) { f.PutU16(f.resourceTable, 15); }, true, 3, false},
    {"tablePastEnd", [](NeFile& f) { f.PutU16(f.neHeader + 0x24, 0xFFF0); }, true, 0, false},
    {"tableAtLastByte",
     [](NeFile& f) {
         f.bytes.push_back(0x05);
         f.PutU16(f.neHeader + 0x24, static_cast<std::uint16_t>(f.bytes.size() - 1 - f.neHeader));
     },
     true, 0, false},
    {"tableIsResidentNames",
     [](NeFile& f) {
         f.PutU16(f.neHeader + 0x26, static_cast<std::uint16_t>(f.resourceTable - f.neHeader));
     },
     true, 0, false},
    {"headerPastEnd",
     [](NeFile& f) {
         f.PutU16(0x3C, 0xFFF0);
         f.PutU16(0x3E, 0x7FFF);
     },
     false, 0, false},
    {"headerCutShort", [](NeFile& f) { f.bytes.resize(f.neHeader + 0x25); }, false, 0, false},
    {"noSignature", [](NeFile& f) { f.bytes[f.neHeader + 1] = 'X'; }, false, 0, false},
    {"noDosMagic", [](NeFile& f) { f.bytes[0] = 'N'; }, false, 0, false},
    {"groupNamePastEnd", [](NeFile& f) { f.PutU16(f.NameInfo(0, 1) + 6, 0x7FFF); }, true, 2, true},
    {"groupNameLengthPastEnd",
     [](NeFile& f) {
         f.bytes.push_back(0x10);  // a length of 16 with no characters after it
         f.PutU16(f.NameInfo(0, 1) + 6,
                  static_cast<std::uint16_t>(f.bytes.size() - 1 - f.resourceTable));
     },
     true, 2, true},
    {"groupCountPastEnd", [](NeFile& f) { f.PutU16(f.typeInfos[0] + 2, 0xFFFF); }, true, 0, false},
    {"iconCountPastEnd", [](NeFile& f) { f.PutU16(f.typeInfos[1] + 2, 0xFFFF); }, true, 0, false},
    {"groupDataPastEnd", [](NeFile& f) { f.PutU16(f.NameInfo(0, 0), 0xFFFF); }, true, 3, false},
    {"groupLengthPastEnd", [](NeFile& f) { f.PutU16(f.NameInfo(0, 0) + 2, 0xFFFF); }, true, 3,
     false},
    {"imageDataPastEnd", [](NeFile& f) { f.PutU16(f.NameInfo(1, 1), 0xFFFF); }, true, 3, false},
    {"imageLengthPastEnd", [](NeFile& f) { f.PutU16(f.NameInfo(1, 0) + 2, 0xFFFF); }, true, 3,
     false},
    {"imageMissing", [](NeFile& f) { f.PutU16(f.NameInfo(1, 1) + 6, 0x8000 | 77); }, true, 3,
     false},
    {"groupShorterThanItsEntries",
     [](NeFile& f) {
         const std::size_t group = std::size_t{f.U16(f.NameInfo(0, 0))} << 4;
         f.PutU16(group + 4, 100);  // 6 + 14 * 100 bytes do not fit 2 units
     },
     true, 3, false},
};

std::string DamageCaseName(const ::testing::TestParamInfo<DamageCase>& param) {
    return param.param.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, NeDamaged, ::testing::ValuesIn(kDamageCases), DamageCaseName);

TEST(NeDamaged, TypeRecordsWithoutAnEndMarkerEndAtTheFileEnd) {
    NeFile file = NeBuilder().Add(kNeIcon, std::uint16_t{1}, {1, 2, 3}).Build();
    // Fill everything after the shift with empty records of type 1 and no
    // end marker.
    for (std::size_t at = file.resourceTable + 2; at + 8 <= file.bytes.size(); at += 8) {
        file.PutU16(at, 0x8001);
        file.PutU16(at + 2, 0);
        file.PutU16(at + 4, 0);
        file.PutU16(at + 6, 0);
    }
    file.bytes.resize(file.bytes.size() + 3000, 0);
    for (std::size_t at = file.bytes.size() - 3000; at + 2 <= file.bytes.size(); at += 8) {
        file.PutU16(at, 0x8001);
    }
    const Module module = Module::FromBytes(file.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    EXPECT_EQ(module.Resources()->CountNames(kIcon), 0u);
}

TEST(NeDamaged, EveryTruncationGivesNothingOrTheSameImages) {
    const SampleModule sample = ThreeGroupModule();
    const std::vector<std::uint8_t>& whole = sample.file.bytes;
    std::size_t lengthsWithAllGroups = 0;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        // A copy of its own, so a read past the cut is seen by the sanitizers.
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + length);
        const Module module = Module::FromBytes(cut);
        if (module.Resources() == nullptr) {
            continue;
        }
        // A cut through the names loses "APPLE" alone.
        const std::size_t count = module.Resources()->CountNames(kGroup);
        ASSERT_TRUE(count == 0 || count == 2 || count == 3) << "cut at " << length;
        std::size_t built = 0;
        for (std::size_t i = 0; i < count; ++i) {
            const auto name = module.Resources()->NameAt(kGroup, i);
            ASSERT_TRUE(name);
            const std::size_t group = *name == ResourceName(std::uint16_t{7})   ? 0
                                      : *name == ResourceName(u"APPLE")         ? 1
                                      : *name == ResourceName(std::uint16_t{2}) ? 2
                                                                                : 3;
            ASSERT_LT(group, 3u) << "cut at " << length;
            if (const auto set = GroupAt(module, i)) {
                ASSERT_EQ(ImageBytes(*set), sample.groups[group])
                    << "group " << group << " cut at " << length;
                ++built;
            }
        }
        lengthsWithAllGroups += built == 3 ? 1 : 0;
    }
    // Only the whole file holds every group: the last one ends at its end.
    EXPECT_EQ(lengthsWithAllGroups, 1u);
}

}  // namespace
}  // namespace tavrin::test
