// Fault: the entries of a resource table and the directory of an icon file
// were allocated from the counts the file claims (up to 1 MiB each) before
// those counts were checked against the file's size.

#include <gtest/gtest.h>

#include <functional>

#include "icons/ico_file.h"
#include "icons/module.h"
#include "tests/hardening/allocation_watch.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/raw_directory.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

// The largest allocation that `run` makes.
template <typename Run>
std::size_t LargestAllocation(Run run) {
    return test::AllocationsOf(run).largest;
}

constexpr std::size_t kSmall = 16 * 1024;  // far below what the counts claim

TEST(AllocationTest, ATableLongerThanTheFileAllocatesNothingForItsEntries) {
    const struct {
        const char* table;
        std::uint32_t offsetOfCounts;
    } cases[] = {{"root", 12}, {"group names", 0}};
    for (const auto& c : cases) {
        test::RawDirectory dir;
        const auto icons = dir.Table({{1, test::kHighBit | dir.Leaf(test::DibImage(16, 16, 4))}});
        const auto groups = dir.Table({{1, test::kHighBit | dir.Leaf(test::GroupDirectory({1}))}});
        dir.Root(icons, groups);
        // Both counts at their largest: 131070 entries, 1 MiB of them.
        auto& bytes = dir.Bytes();
        const std::size_t counts = c.offsetOfCounts != 0 ? c.offsetOfCounts : groups + 12;
        bytes[counts] = bytes[counts + 1] = bytes[counts + 2] = bytes[counts + 3] = 0xFF;
        const test::ByteVector module = test::ModuleWithResourceSection(bytes);
        ASSERT_LT(module.size(), kSmall);

        std::size_t groupCount = 99;
        const std::size_t largest = LargestAllocation([&] {
            const Module opened = Module::FromBytes(module);
            groupCount = opened.Resources()->CountNames(kResourceTypeGroupIcon);
        });
        EXPECT_EQ(groupCount, 0u) << c.table;
        EXPECT_LT(largest, kSmall) << c.table;
    }
}

TEST(AllocationTest, AnIconFileClaimingMoreEntriesThanItHoldsAllocatesNoDirectory) {
    const test::ByteVector file = {0, 0, 1, 0, 0xFF, 0xFF, 1, 2, 3, 4};
    test::TempDir dir;
    test::WriteFileBytes(dir.File("claims.ico"), file);
    const struct {
        const char* source;
        std::function<IcoReadResult()> read;
    } readers[] = {
        {"memory", [&] { return ReadIcoBytes(file); }},
        {"file", [&] { return ReadIcoFileReporting(dir.File("claims.ico")); }},
    };
    for (const auto& reader : readers) {
        IcoReadResult result;
        const std::size_t largest = LargestAllocation([&] { result = reader.read(); });
        EXPECT_FALSE(result.set) << reader.source;
        EXPECT_EQ(result.problem, ExtractProblem::kNotAnIconFile) << reader.source;
        EXPECT_LT(largest, kSmall) << reader.source;
    }
}

}  // namespace
}  // namespace tavrin::icons
