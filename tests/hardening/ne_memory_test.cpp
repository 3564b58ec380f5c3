// Fault: opening a 16-bit module copied the name of every resource of every
// type record, some 600 bytes of memory for each 12-byte entry; a 63 MiB
// module of repeated records took 3.2 GB and 12 s for one extraction. Names
// are now read when asked for, and only a type's first record is kept.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/module.h"
#include "tests/hardening/allocation_watch.h"
#include "tests/support/little_endian.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;
using test::PutLe;

// `records` records of 65535 groups each, every group named by one
// 255-character text; the groups' data is empty.
ByteVector ModuleOfRepeatedRecords(int records) {
    ByteVector file(0x40, 0);
    file[0] = 'M';
    file[1] = 'Z';
    file[0x3C] = 0x40;
    ByteVector header(0x40, 0);
    header[0] = 'N';
    header[1] = 'E';
    header[0x24] = 0x40;  // resource table right after this header
    header[0x26] = 0x42;  // resident names elsewhere
    file.insert(file.end(), header.begin(), header.end());
    PutLe(file, 0, 2);  // alignment shift
    // A first record of another type whose entries hold the name text.
    PutLe(file, 0x8001, 2);
    PutLe(file, 22, 2);
    PutLe(file, 0, 4);
    const std::size_t nameAt = file.size() - 0x80;
    file.push_back(255);
    file.insert(file.end(), 255, 'A');
    file.insert(file.end(), 22 * 12 - 256, 0);
    for (int r = 0; r < records; ++r) {
        PutLe(file, 0x800E, 2);
        PutLe(file, 65535, 2);
        PutLe(file, 0, 4);
        for (int i = 0; i < 65535; ++i) {
            PutLe(file, 0, 6);  // offset, length, flags
            PutLe(file, nameAt, 2);
            PutLe(file, 0, 4);
        }
    }
    PutLe(file, 0, 2);
    return file;
}

TEST(NeMemoryTest, OpeningAModuleAllocatesLittleWhateverItsRecordsClaim) {
    const ByteVector file = ModuleOfRepeatedRecords(2);
    std::optional<Module> module;
    const auto opening = test::AllocationsOf([&] { module = Module::FromBytes(file); });
    ASSERT_NE(module->Resources(), nullptr);
    EXPECT_LT(opening.total, 16u * 1024);

    const auto counting = test::AllocationsOf(
        [&] { EXPECT_EQ(module->Resources()->CountNames(kResourceTypeGroupIcon), 65535u); });
    EXPECT_LT(counting.total, file.size());
    EXPECT_EQ(module->Resources()->NameAt(kResourceTypeGroupIcon, 65534),
              ResourceName(std::u16string(255, u'A')));
}

TEST(NeMemoryTest, AModuleOfRepeatedRecordsIsCountedAndWritesNothing) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("m.dll"), ModuleOfRepeatedRecords(8));
    const auto report = ExtractIconGroupReporting(dir.File("m.dll"), 0, dir.File("1.ico"), 100);
    EXPECT_EQ(report.count, 65535);
    EXPECT_FALSE(report.written);
    EXPECT_EQ(report.problem, ExtractProblem::kGroupUnreadable);
}

}  // namespace
}  // namespace tavrin::icons
