// Modules made wrong on purpose, one fault each: every one must end with a
// clear result, never a crash, a hang or a read outside the file.

#include <gtest/gtest.h>

#include <functional>

#include "icons/extract_icon_group.h"
#include "icons/ico_file.h"
#include "icons/icon_group.h"
#include "icons/module.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;

const ByteVector kImage1 = test::DibImage(16, 16, 4, 0x01);
const ByteVector kImage2 = test::DibImage(32, 32, 8, 0x02);
const ByteVector kImage3 = test::DibImage(48, 48, 32, 0x03);

// Two groups: "APP" with images 1 and 2, then number 5 with image 3.
test::BuiltPe TwoGroupModule(bool pe32Plus = false) {
    return test::BuildPe({{3, std::uint16_t{1}, 0x0409, kImage1},
                          {3, std::uint16_t{2}, 0x0409, kImage2},
                          {3, std::uint16_t{3}, 0x0409, kImage3},
                          {14, std::uint16_t{5}, 0x0409, test::GroupDirectory({3})},
                          {14, std::u16string(u"APP"), 0x0409, test::GroupDirectory({1, 2})}},
                         {.pe32Plus = pe32Plus});
}

void Put(ByteVector& bytes, std::size_t offset, std::uint32_t value, int width = 4) {
    test::PutAt(bytes, offset, value, width);
}

struct Outcome {
    int count;
    bool firstWritten;
    ExtractProblem problem;
};

Outcome ExtractFirst(const ByteVector& module) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("m.dll"), module);
    const ExtractReport report =
        ExtractIconGroupReporting(dir.File("m.dll"), 0, dir.File("1.ico"), 1);
    return {report.count, std::filesystem::exists(dir.File("1.ico")), report.problem};
}

TEST(MalformedModuleTest, AWellFormedModuleReadsInBothWidths) {
    for (bool pe32Plus : {false, true}) {
        const ByteVector module = TwoGroupModule(pe32Plus).bytes;
        test::TempDir dir;
        test::WriteFileBytes(dir.File("m.exe"), module);
        EXPECT_EQ(ExtractIconGroup(dir.File("m.exe").c_str(), 0, dir.File("1.ico").c_str(), 1), 2);
        EXPECT_EQ(ExtractIconGroup(dir.File("m.exe").c_str(), 0, dir.File("2.ico").c_str(), 2), 2);
        EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), test::ExpectedIco({kImage1, kImage2}));
        EXPECT_EQ(test::ReadFileBytes(dir.File("2.ico")), test::ExpectedIco({kImage3}));
    }
}

TEST(MalformedModuleTest, EachFaultHasItsOwnClearResult) {
    const test::BuiltPe pe = TwoGroupModule();
    const std::size_t groupType = pe.typeEntries[1];  // RT_ICON sorts before RT_GROUP_ICON
    const struct {
        const char* fault;
        std::function<void(ByteVector&)> damage;
        Outcome expected;
    } cases[] = {
        {"header offset past the end",
         [](ByteVector& b) { Put(b, 0x3C, 0x7FFFFFF0); },
         {0, false, ExtractProblem::kNotAModule}},
        {"no PE signature",
         [](ByteVector& b) { b[0x40] = 'X'; },
         {0, false, ExtractProblem::kNotAModule}},
        {"unknown optional header",
         [&](ByteVector& b) { Put(b, pe.optionalHeader, 0x107, 2); },
         {0, false, ExtractProblem::kNotAModule}},
        {"no resource directory slot",
         [&](ByteVector& b) { Put(b, pe.resourceDirectoryEntry - 4 - 16, 2); },
         {0, false, ExtractProblem::kNoIconGroups}},
        {"no resource directory",
         [&](ByteVector& b) { Put(b, pe.resourceDirectoryEntry, 0); },
         {0, false, ExtractProblem::kNoIconGroups}},
        {"resource directory outside every section",
         [&](ByteVector& b) { Put(b, pe.resourceDirectoryEntry, 0x900000); },
         {0, false, ExtractProblem::kNoIconGroups}},
        {"root count past the end",
         [&](ByteVector& b) { Put(b, pe.rootTable + 14, 0xFFFF, 2); },
         {0, false, ExtractProblem::kNoIconGroups}},
        {"names table pointing at the root",
         [&](ByteVector& b) { Put(b, groupType + 4, 0x80000000u); },
         {2, false, ExtractProblem::kGroupUnreadable}},
        {"image data past the end",
         [&](ByteVector& b) { Put(b, pe.dataEntries[0], 0x7FFF0000); },
         {2, false, ExtractProblem::kGroupUnreadable}},
        {"image size past the end",
         [&](ByteVector& b) { Put(b, pe.dataEntries[1] + 4, 0x10000000); },
         {2, false, ExtractProblem::kGroupUnreadable}},
        {"group shorter than its entries",
         [&](ByteVector& b) { Put(b, pe.dataEntries[4] + 4, 6 + 14); },
         {2, false, ExtractProblem::kGroupUnreadable}},
        {"section count past the end",
         [](ByteVector& b) { Put(b, 0x40 + 6, 0xFFFF, 2); },
         {2, true, ExtractProblem::kNone}},
    };
    for (const auto& c : cases) {
        ByteVector module = pe.bytes;
        c.damage(module);
        const Outcome outcome = ExtractFirst(module);
        EXPECT_EQ(outcome.count, c.expected.count) << c.fault;
        EXPECT_EQ(outcome.firstWritten, c.expected.firstWritten) << c.fault;
        EXPECT_EQ(outcome.problem, c.expected.problem) << c.fault;
    }
}

TEST(MalformedModuleTest, ANameThatCannotBeReadIsNotCounted) {
    test::BuiltPe pe = TwoGroupModule();
    // The named group's entry is the first of the name table.
    const std::size_t nameTable =
        pe.rootTable + (test::GetLe(pe.bytes, pe.typeEntries[1] + 4, 4) & 0x7FFFFFFF);
    Put(pe.bytes, nameTable + 16, 0x80000000u | 0x7FFFFFF0u);
    const Module module = Module::FromBytes(pe.bytes);
    ASSERT_NE(module.Resources(), nullptr);
    EXPECT_EQ(module.Resources()->CountNames(kResourceTypeGroupIcon), 1u);
    EXPECT_EQ(module.Resources()->NameAt(kResourceTypeGroupIcon, 0),
              ResourceName(std::uint16_t{5}));
}

TEST(MalformedModuleTest, EveryTruncationEndsCleanly) {
    // Each prefix is copied into a buffer of its own size, so a read past
    // its end is caught by the sanitizers.
    const ByteVector whole = TwoGroupModule().bytes;
    for (std::size_t length = 0; length <= whole.size(); ++length) {
        const ByteVector prefix(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        const Module module = Module::FromBytes(prefix);
        if (module.Resources() == nullptr) {
            continue;
        }
        const std::size_t count = module.Resources()->CountNames(kResourceTypeGroupIcon);
        ASSERT_LE(count, 2u);
        for (std::size_t position = 0; position < count; ++position) {
            const auto group = module.Resources()->DataAt(kResourceTypeGroupIcon, position);
            if (!group) {
                continue;
            }
            if (const auto set = BuildIconGroup(*module.Resources(), *group)) {
                std::size_t size = 0;
                EXPECT_TRUE(SerializeIco(*set, [&](Bytes bytes) {
                    size += bytes.size();
                    return true;
                }));
                EXPECT_EQ(size, IcoFileSize(*set));
            }
        }
        if (length == whole.size()) {
            EXPECT_EQ(count, 2u);
        }
    }
}

TEST(MalformedModuleTest, AGroupThatListsOneImageManyTimesHoldsItOnce) {
    // 65535 entries naming the same image: the set shares one copy.
    const ByteVector image = test::DibImage(32, 32, 32, 0x77);
    const auto pe = test::BuildPe({{3, std::uint16_t{1}, 0x0409, image},
                                   {14, std::uint16_t{1}, 0x0409,
                                    test::GroupDirectory(std::vector<std::uint16_t>(65535, 1))}});
    const Module module = Module::FromBytes(pe.bytes);
    const auto group = module.Resources()->DataAt(kResourceTypeGroupIcon, 0);
    ASSERT_TRUE(group);
    const auto set = BuildIconGroup(*module.Resources(), *group);
    ASSERT_TRUE(set);
    ASSERT_EQ(set->images.size(), 65535u);
    EXPECT_EQ(set->images.front().storage, set->images.back().storage);
    EXPECT_EQ(set->images.front().storage->size(), image.size());
}

}  // namespace
}  // namespace tavrin::icons
