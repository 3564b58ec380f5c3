// --cursors: cursor groups as .cur files with their hotspots, animated
// cursors as stored, in listings and on disk.

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "icons/resource_table.h"
#include "tests/support/file_bytes.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"
#include "tests/tools/cli_runner.h"

namespace tavrin::test {
namespace {

using nlohmann::json;

// A cursor resource: its hotspot, then the image.
ByteVector CursorImage(std::uint16_t x, std::uint16_t y, const ByteVector& dib) {
    ByteVector out(4 + dib.size());
    out[0] = static_cast<std::uint8_t>(x);
    out[1] = static_cast<std::uint8_t>(x >> 8);
    out[2] = static_cast<std::uint8_t>(y);
    out[3] = static_cast<std::uint8_t>(y >> 8);
    std::copy(dib.begin(), dib.end(), out.begin() + 4);
    return out;
}

const ByteVector kAnimated = {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'C', 'O', 'N'};

// Cursor groups "ARROW" (two images) and 7 (one), one animated cursor 9,
// and one icon group, which --cursors leaves out.
std::string WriteCursorModule(const TempDir& dir) {
    using icons::kResourceTypeAnimatedCursor;
    using icons::kResourceTypeCursor;
    using icons::kResourceTypeGroupCursor;
    const std::string path = dir.File("cursors.dll");
    WriteFileBytes(
        path,
        BuildPe({
                    {kResourceTypeCursor, std::uint16_t{1}, 0x0409,
                     CursorImage(3, 5, DibImage(32, 32, 1))},
                    {kResourceTypeCursor, std::uint16_t{2}, 0x0409,
                     CursorImage(7, 9, DibImage(16, 16, 4))},
                    {kResourceTypeGroupCursor, u"ARROW", 0x0409, GroupDirectory({1, 2})},
                    {kResourceTypeGroupCursor, std::uint16_t{7}, 0x0409, GroupDirectory({2})},
                    {kResourceTypeAnimatedCursor, std::uint16_t{9}, 0x0409, kAnimated},
                    {icons::kResourceTypeIcon, std::uint16_t{1}, 0x0409, DibImage(16, 16, 4)},
                    {icons::kResourceTypeGroupIcon, std::uint16_t{1}, 0x0409, GroupDirectory({1})},
                })
            .bytes);
    return path;
}

TEST(CursorTest, ListingGivesCursorGroupsWithHotspotsAndAnimatedCursors) {
    const TempDir dir;
    const auto run = RunTool({"--list", "--json", "--cursors", WriteCursorModule(dir)});
    ASSERT_EQ(run.status, 0) << run.err;
    const json source = json::parse(run.out)[0];
    ASSERT_EQ(source["groups"].size(), 2u);
    EXPECT_EQ(source["groups"][0]["name"], "ARROW");
    const json arrow = source["groups"][0]["images"];
    ASSERT_EQ(arrow.size(), 2u);
    EXPECT_EQ(arrow[0]["width"], 32);
    EXPECT_EQ(arrow[0]["hotspotX"], 3);
    EXPECT_EQ(arrow[0]["hotspotY"], 5);
    EXPECT_EQ(arrow[1]["hotspotX"], 7);
    EXPECT_EQ(arrow[1]["hotspotY"], 9);
    EXPECT_EQ(source["groups"][1]["id"], 7);
    ASSERT_EQ(source["animatedCursors"].size(), 1u);
    EXPECT_EQ(source["animatedCursors"][0]["id"], 9);
    EXPECT_EQ(source["animatedCursors"][0]["bytes"], kAnimated.size());

    // Without --cursors, icon images carry no hotspot.
    const auto icons = RunTool({"--list", "--json", dir.File("cursors.dll")});
    const json iconGroups = json::parse(icons.out)[0]["groups"];
    ASSERT_EQ(iconGroups.size(), 1u);
    EXPECT_FALSE(iconGroups[0]["images"][0].contains("hotspotX"));
}

TEST(CursorTest, WritesCurFilesWithHotspotsAndAniFilesAsStored) {
    const TempDir dir;
    const auto run = RunTool({"--cursors", WriteCursorModule(dir), dir.File("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("out/1.cur") + "\t2 images\n" + dir.File("out/2.cur") +
                           "\t1 image\n" + dir.File("out/1.ani") + "\tanimated cursor\n");

    const auto cur = ReadFileBytes(dir.File("out/1.cur"));
    ASSERT_TRUE(cur && cur->size() > 6 + 2 * 16);
    EXPECT_EQ((*cur)[2], 2);  // a cursor file
    // Each directory entry holds its hotspot where an icon's has planes and depth.
    const auto u16 = [&](std::size_t at) { return (*cur)[at] | ((*cur)[at + 1] << 8); };
    EXPECT_EQ(u16(6 + 4), 3);
    EXPECT_EQ(u16(6 + 6), 5);
    EXPECT_EQ(u16(6 + 16 + 4), 7);
    EXPECT_EQ(u16(6 + 16 + 6), 9);
    EXPECT_EQ(ReadFileBytes(dir.File("out/1.ani")), kAnimated);
}

TEST(CursorTest, SelectionTakesOneCursorGroupAndNoAnimatedCursor) {
    const TempDir dir;
    const auto run =
        RunTool({"--cursors", "--resource", "arrow", WriteCursorModule(dir), dir.File("out")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, dir.File("out/1.cur") + "\t2 images\n");
}

TEST(CursorTest, ASourceWithoutCursorsFails) {
    const TempDir dir;
    const auto run = RunTool({"--cursors", FixturePath("sample.dll"), dir.File("out")});
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("no cursor groups"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "out"));
}

}  // namespace
}  // namespace tavrin::test
