#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "icons/extract_icon_group.h"
#include "icons/icon_group.h"
#include "icons/icon_source.h"
#include "tests/modules/sample_modules.h"
#include "tests/modules/temp_tree.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/ne_builder.h"

namespace tavrin::test {
namespace {

using icons::ExtractIconGroup;

bool Exists(const std::string& path) {
    return ReadFileBytes(path).has_value();
}

class NeExtraction : public ::testing::TestWithParam<const char*> {};

TEST_P(NeExtraction, WritesEveryGroupWithAllItsImages) {
    const TempTree tree;
    const SampleModule sample = ThreeGroupModule();
    tree.Write(GetParam(), sample.file.bytes);
    const std::string source = tree.Path(GetParam());

    for (int index = 1; index <= 3; ++index) {
        const std::string output = tree.Path(std::to_string(index) + ".ico");
        ASSERT_EQ(ExtractIconGroup(source.c_str(), 0, output.c_str(), index), 3);
        EXPECT_EQ(ReadFileBytes(output), ExpectedIco(sample.groups[index - 1])) << index;
    }
    const std::string beyond = tree.Path("4.ico");
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, beyond.c_str(), 4), 0);
    EXPECT_FALSE(Exists(beyond));
}

// Most icon libraries, and every 16-bit program and library, are NE files.
INSTANTIATE_TEST_SUITE_P(Kinds, NeExtraction,
                         ::testing::Values("icons.icl", "PROGRAM.EXE", "lib.dll"));

TEST(NeExtractionImages, ListsTheImagesOwnHeadersAndKeepsPngBytes) {
    const TempTree tree;
    const SampleModule sample = ThreeGroupModule();
    tree.Write("icons.icl", sample.file.bytes);
    const std::string source = tree.Path("icons.icl");
    const std::string output = tree.Path("2.ico");

    ASSERT_EQ(ExtractIconGroup(source.c_str(), 0, output.c_str(), 2), 3);
    const auto written = ReadFileBytes(output);
    ASSERT_TRUE(written);
    const ByteVector& png = sample.groups[1][0];
    ByteVector expected = {0, 0, 1, 0, 1, 0,
                           // 256 × 256 listed as 0 × 0, RGBA at depth 8
                           0, 0, 0, 0, 1, 0, 32, 0};
    expected.push_back(static_cast<std::uint8_t>(png.size()));
    expected.insert(expected.end(), {0, 0, 0, 22, 0, 0, 0});
    expected.insert(expected.end(), png.begin(), png.end());
    EXPECT_EQ(*written, expected);
}

TEST(NeExtractionImages, LoadsAGroupByNumberOrByText) {
    const TempTree tree;
    const SampleModule sample = ThreeGroupModule();
    tree.Write("icons.icl", sample.file.bytes);
    const std::string source = tree.Path("icons.icl");

    const auto apple = icons::LoadIconGroup(source, u"Apple");
    ASSERT_TRUE(apple);
    ASSERT_EQ(apple->images.size(), 1u);
    EXPECT_TRUE(std::ranges::equal(apple->images[0].bytes(), sample.groups[1][0]));
    EXPECT_EQ(apple->images[0].width, 256);

    const auto two = icons::LoadIconGroup(source, std::uint16_t{2});
    ASSERT_TRUE(two);
    ASSERT_EQ(two->images.size(), 2u);
    EXPECT_TRUE(std::ranges::equal(two->images[0].bytes(), sample.groups[2][0]));
    EXPECT_TRUE(std::ranges::equal(two->images[1].bytes(), sample.groups[2][1]));
    EXPECT_EQ(two->images[0].bitsPerPixel, 32);

    EXPECT_FALSE(icons::LoadIconGroup(source, std::uint16_t{9}));
}

TEST(NeExtractionImages, CountsAndWritesMoreThanAHundredGroups) {
    const TempTree tree;
    const SampleModule sample = ManyGroupModule(130);
    tree.Write("many.icl", sample.file.bytes);
    const std::string source = tree.Path("many.icl");

    EXPECT_EQ(icons::IconSource::Open(source, std::nullopt).GroupCount(), 130u);
    for (const int index : {1, 2, 100, 101, 129, 130}) {
        const std::string output = tree.Path(std::to_string(index) + ".ico");
        ASSERT_EQ(ExtractIconGroup(source.c_str(), 0, output.c_str(), index), 130) << index;
        EXPECT_EQ(ReadFileBytes(output), ExpectedIco(sample.groups[index - 1])) << index;
    }
    const std::string beyond = tree.Path("131.ico");
    EXPECT_EQ(ExtractIconGroup(source.c_str(), 0, beyond.c_str(), 131), 0);
    EXPECT_FALSE(Exists(beyond));
}

// --- The size of an image -----------------------------------------------------

// NE gives lengths in alignment units only: the group entry's bytes in
// resource tells the real size, where it stays inside the aligned length.
struct SizeCase {
    const char* name;
    std::uint16_t alignShift;
    std::uint32_t declared;
    std::size_t written;  // bytes of the image in the file
};

void PrintTo(const SizeCase& c, std::ostream* os) {
    *os << c.name;
}

class NeImageSize : public ::testing::TestWithParam<SizeCase> {};

TEST_P(NeImageSize, FollowsTheGroupEntryWithinTheAlignedLength) {
    const SizeCase& c = GetParam();
    // 300 bytes: 19 units of 16 (304 bytes), 1 unit of 512, 300 units of 1.
    ByteVector image = DibImage(16, 16, 8, 0x77);
    image.resize(300, 0x78);
    const std::vector<GroupEntry> entries = {{1, c.declared}};
    const NeFile file = NeBuilder(c.alignShift)
                            .Add(kNeGroupIcon, std::uint16_t{1}, SizedGroupDirectory(entries))
                            .Add(kNeIcon, std::uint16_t{1}, image)
                            .Build();
    const TempTree tree;
    tree.Write("sized.icl", file.bytes);
    const std::string source = tree.Path("sized.icl");
    const std::string output = tree.Path("1.ico");

    ASSERT_EQ(ExtractIconGroup(source.c_str(), 0, output.c_str(), 1), 1);
    ByteVector expected = image;
    expected.resize(c.written, kNePadding);
    EXPECT_EQ(ReadFileBytes(output), ExpectedIco({expected}));
}

std::string SizeCaseName(const ::testing::TestParamInfo<SizeCase>& param) {
    return param.param.name;
}

const SizeCase kSizeCases[] = {
    {"exact", 4, 300, 300},
    {"shorterThanTheImage", 4, 200, 200},
    {"theAlignedLength", 4, 304, 304},
    {"pastTheAlignedLength", 4, 305, 304},
    {"farPastTheAlignedLength", 4, 0xFFFFFFFF, 304},
    {"exactInLargeUnits", 9, 300, 300},
    {"pastLargeUnits", 9, 600, 512},
    {"byteAligned", 0, 300, 300},
    {"byteAlignedPastTheEnd", 0, 301, 300},
};

INSTANTIATE_TEST_SUITE_P(Cases, NeImageSize, ::testing::ValuesIn(kSizeCases), SizeCaseName);

TEST(NeExtractionCursors, GivesCursorGroupsWithTheirHotspots) {
    // RT_GROUP_CURSOR naming an RT_CURSOR, which starts with its hotspot.
    const ByteVector image = DibImage(16, 16, 4);
    ByteVector cursor = {7, 0, 9, 0};
    cursor.insert(cursor.end(), image.begin(), image.end());
    const NeFile file =
        NeBuilder()
            .Add(std::uint16_t{12}, std::uint16_t{1},
                 SizedGroupDirectory({{5, static_cast<std::uint32_t>(cursor.size())}}))
            .Add(std::uint16_t{1}, std::uint16_t{5}, cursor)
            .Build();
    const TempTree tree;
    tree.Write("cursors.icl", file.bytes);
    const auto source = icons::IconSource::Open(tree.Path("cursors.icl"), std::nullopt);
    ASSERT_EQ(source.GroupCount(icons::GroupKind::kCursor), 1u);
    const auto group = source.GroupAt(0, icons::GroupKind::kCursor);
    ASSERT_TRUE(group.set);
    ASSERT_EQ(group.set->images.size(), 1u);
    EXPECT_EQ(group.set->images[0].hotspotX, 7);
    EXPECT_EQ(group.set->images[0].hotspotY, 9);
    // The image without its hotspot, as long as the group entry says, not
    // the padding NE rounds resources up with.
    EXPECT_EQ(ByteVector(group.set->images[0].bytes().begin(), group.set->images[0].bytes().end()),
              image);
}

}  // namespace
}  // namespace tavrin::test
