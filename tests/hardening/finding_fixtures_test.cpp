// Inputs the fuzzers found, kept as fixtures: each must end with its own
// result on every index of a press of Extract, quickly and without reading
// outside the file.

#include <gtest/gtest.h>

#include <filesystem>

#include "icons/extract_icon_group.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

std::filesystem::path Fixture(const std::string& name) {
    return std::filesystem::path(TAVRIN_SOURCE_DIR) / "tests" / "hardening" / "fixtures" / name;
}

TEST(FindingFixturesTest, EachEndsWithItsOwnResult) {
    const struct {
        const char* file;
        const char* fault;
        int groups;
        int written;  // files of indices 1 to 100
    } cases[] = {
        {"module/340-groups-read-the-name-level-each.dll",
         "the name level was read again for every group, time in the square of the groups", 340, 0},
    };
    for (const auto& c : cases) {
        test::TempDir dir;
        const std::string source = dir.File("source.dll");
        std::filesystem::copy_file(Fixture(c.file), source);
        int written = 0;
        for (int index = 1; index <= 100; ++index) {
            const ExtractReport report = ExtractIconGroupReporting(
                source, 0, dir.File(std::to_string(index) + ".ico"), index);
            EXPECT_EQ(report.count, c.groups) << c.file << ": " << c.fault;
            written += report.written ? 1 : 0;
        }
        EXPECT_EQ(written, c.written) << c.file << ": " << c.fault;
    }
}

}  // namespace
}  // namespace tavrin::icons
