// Fault: a group that lists one image 65535 times made a file of up to
// 4 GiB, and a module whose hundred group names share that group made one
// press of Extract write hundreds of gigabytes. No file larger than
// kMaxIcoFileSize is written; memory stays one copy of the image either way.

#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/ico_file.h"
#include "tests/support/expected_ico.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"
#include "tests/support/pe_builder.h"
#include "tests/support/temp_dir.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;

// A set of two images whose sizes make a file of `fileSize` bytes. Only the
// sizes are set: nothing may read the bytes of a set that is refused.
IconImageSet SetMakingAFileOf(std::uint64_t fileSize) {
    IconImageSet set;
    const auto bytes = std::make_shared<const std::vector<std::uint8_t>>(test::DibImage(4, 4, 1));
    const auto first = static_cast<std::uint32_t>(bytes->size());
    set.images.push_back(MakeIconImage(bytes, 0, first));
    set.images.push_back(MakeIconImage(bytes, 0, first));
    set.images[1].size =
        static_cast<std::uint32_t>(fileSize - kIcoHeaderSize - 2 * kIcoEntrySize - first);
    return set;
}

TEST(IcoSizeLimitTest, AFileOfTheLimitMayBeWrittenOneByteMoreMayNot) {
    EXPECT_EQ(WritableIcoFileSize(SetMakingAFileOf(kMaxIcoFileSize)), kMaxIcoFileSize);
    const IconImageSet tooLarge = SetMakingAFileOf(kMaxIcoFileSize + 1);
    EXPECT_EQ(IcoFileSize(tooLarge), kMaxIcoFileSize + 1);  // the format could hold it
    EXPECT_EQ(WritableIcoFileSize(tooLarge), std::nullopt);

    bool sinkCalled = false;
    EXPECT_FALSE(SerializeIco(tooLarge, [&](Bytes) { return sinkCalled = true; }));
    EXPECT_FALSE(sinkCalled);
    test::TempDir dir;
    test::WriteFileBytes(dir.File("1.ico"), ByteVector{1, 2, 3});
    EXPECT_FALSE(WriteIcoFileReporting(tooLarge, dir.File("1.ico")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), (ByteVector{1, 2, 3}));  // not replaced
}

TEST(IcoSizeLimitTest, AGroupListingOneImageBeyondTheLimitIsCountedButNotWritten) {
    // 65535 times an image of 4 KiB: a file of 268 MB.
    ByteVector image = test::DibImage(32, 32, 4);
    image.resize(4096, 0x3C);
    const auto pe = test::BuildPe(
        {{3, std::uint16_t{1}, 0x0409, image},
         {14, std::uint16_t{1}, 0x0409, test::GroupDirectory(std::vector<std::uint16_t>(65535, 1))},
         {14, std::uint16_t{2}, 0x0409, test::GroupDirectory({1, 1})}});
    test::TempDir dir;
    test::WriteFileBytes(dir.File("m.dll"), pe.bytes);
    const auto first = ExtractIconGroupReporting(dir.File("m.dll"), 0, dir.File("1.ico"), 1);
    EXPECT_EQ(first.count, 2);
    EXPECT_FALSE(first.written);
    EXPECT_EQ(first.problem, ExtractProblem::kWriteFailed);
    EXPECT_FALSE(std::filesystem::exists(dir.File("1.ico")));

    const auto second = ExtractIconGroupReporting(dir.File("m.dll"), 0, dir.File("2.ico"), 2);
    EXPECT_TRUE(second.written);
    EXPECT_EQ(test::ReadFileBytes(dir.File("2.ico")), test::ExpectedIco({image, image}));
}

}  // namespace
}  // namespace tavrin::icons
