// Fault: the entries of a resource table and the directory of an icon file
// were allocated from the counts the file claims (up to 1 MiB each) before
// those counts were checked against the file's size.

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <functional>
#include <new>

#include "icons/ico_file.h"
#include "icons/module.h"
#include "tests/hardening/raw_directory.h"
#include "tests/support/expected_ico.h"
#include "tests/support/temp_dir.h"

namespace {

std::atomic<bool> g_watching{false};
std::atomic<std::size_t> g_largest{0};

}  // namespace

// Every allocation of this test program passes here, so a test can see the
// largest one made while it watches. All plain forms are replaced together,
// so that each delete meets the allocator of its new.
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    if (g_watching && size > g_largest) {
        g_largest = size;
    }
    return std::malloc(size == 0 ? 1 : size);
}
void* operator new(std::size_t size) {
    if (void* memory = operator new(size, std::nothrow)) {
        return memory;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return operator new(size, std::nothrow);
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete(void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}
void operator delete[](void* memory) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, std::size_t) noexcept {
    std::free(memory);
}
void operator delete[](void* memory, const std::nothrow_t&) noexcept {
    std::free(memory);
}

namespace tavrin::icons {
namespace {

// The largest allocation that `run` makes.
template <typename Run>
std::size_t LargestAllocation(Run run) {
    g_largest = 0;
    g_watching = true;
    run();
    g_watching = false;
    return g_largest;
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
        const auto groups = dir.Table({{1, test::kHighBit | dir.Leaf(test::Group({1}))}});
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
        EXPECT_EQ(result.problem, IcoReadProblem::kNotAnIconFile) << reader.source;
        EXPECT_LT(largest, kSmall) << reader.source;
    }
}

}  // namespace
}  // namespace tavrin::icons
