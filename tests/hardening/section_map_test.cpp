// Fault: every address lookup walked the whole section table, so a module
// declaring 65535 sections and 131070 named groups took half a minute per
// extraction. The map answers in logarithmic time and must answer exactly as
// the walk did.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/module.h"
#include "icons/section_map.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/raw_directory.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

// What the table walk gave: the first section listed that holds the address.
std::optional<std::uint64_t> ByWalk(const std::vector<Section>& sections, std::uint64_t rva) {
    for (const Section& s : sections) {
        if (rva >= s.virtualAddress && rva - s.virtualAddress < s.rawSize) {
            return std::uint64_t{s.rawOffset} + (rva - s.virtualAddress);
        }
    }
    return std::nullopt;
}

TEST(SectionMapTest, AnswersAsAWalkOfTheTableInOrder) {
    const struct {
        const char* shape;
        std::vector<Section> sections;
    } cases[] = {
        {"none", {}},
        {"one", {{0x1000, 0x200, 0x400}}},
        {"gap between two", {{0x1000, 0x100, 0x400}, {0x3000, 0x100, 0x800}}},
        {"listed out of order", {{0x3000, 0x100, 0x800}, {0x1000, 0x100, 0x400}}},
        {"later one inside an earlier one", {{0x1000, 0x1000, 0x400}, {0x1400, 0x100, 0x9000}}},
        {"earlier one inside a later one", {{0x1400, 0x100, 0x9000}, {0x1000, 0x1000, 0x400}}},
        {"partly overlapping", {{0x1000, 0x300, 0x400}, {0x1200, 0x300, 0x2000}}},
        {"same start", {{0x1000, 0x100, 0x400}, {0x1000, 0x300, 0x2000}}},
        {"empty ones", {{0x1000, 0, 0x400}, {0x1000, 0x10, 0x600}, {0x2000, 0, 0}}},
        {"touching", {{0x1000, 0x100, 0x400}, {0x1100, 0x100, 0x500}}},
        {"at the top of the address space", {{0xFFFFFF00, 0x200, 0x400}, {0xFFFFFFFF, 1, 0x10}}},
    };
    for (const auto& c : cases) {
        const SectionMap map(c.sections);
        std::vector<std::uint64_t> probes = {0, 1, 0xFFFFFFFF, 0x100000000, 0x1FFFFFFFF};
        for (const Section& s : c.sections) {
            for (std::uint64_t edge :
                 {std::uint64_t{s.virtualAddress}, std::uint64_t{s.virtualAddress} + s.rawSize}) {
                for (std::uint64_t delta : {0, 1, 2, 0x80}) {
                    probes.push_back(edge + delta);
                    probes.push_back(edge >= delta ? edge - delta : 0);
                }
            }
        }
        for (std::uint64_t rva : probes) {
            EXPECT_EQ(map.FileOffset(rva), ByWalk(c.sections, rva)) << c.shape << " at " << rva;
        }
    }
}

TEST(SectionMapTest, AModuleWithTheMostSectionsStillGivesEveryGroup) {
    test::RawDirectory dir;
    const auto image = test::DibImage(16, 16, 4);
    const auto icons = dir.Table({{1, test::kHighBit | dir.Leaf(image)}});
    const auto group = dir.Leaf(test::GroupDirectory({1}));
    std::vector<std::pair<std::uint32_t, std::uint32_t>> names;
    for (int i = 0; i < 2000; ++i) {
        names.emplace_back(test::kHighBit | dir.Text(u"G" + std::u16string(1, u'A' + i % 26)),
                           test::kHighBit | group);
    }
    const auto groups = dir.Table(names, names.size());
    dir.Root(icons, groups);
    const test::ByteVector module = test::ModuleWithResourceSection(dir.Bytes(), 65534);

    test::TempDir temp;
    test::WriteFileBytes(temp.File("m.dll"), module);
    EXPECT_EQ(ExtractIconGroup(temp.File("m.dll").c_str(), 0, temp.File("1.ico").c_str(), 2000),
              2000);
    EXPECT_EQ(test::ReadFileBytes(temp.File("1.ico")), test::ExpectedIco({image}));
}

}  // namespace
}  // namespace tavrin::icons
