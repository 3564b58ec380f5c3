#include <gtest/gtest.h>

#include "icons/ico_file.h"
#include "tests/support/expected_ico.h"
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"
#include "tests/support/temp_dir.h"

#ifndef _WIN32
#include <sys/resource.h>

#include <csignal>
#endif

namespace tavrin::icons {
namespace {

using test::ByteVector;

IconImageSet SetOf(const std::vector<ByteVector>& images) {
    IconImageSet set;
    for (const ByteVector& bytes : images) {
        auto storage = std::make_shared<const std::vector<std::uint8_t>>(bytes);
        set.images.push_back(MakeIconImage(storage, 0, static_cast<std::uint32_t>(bytes.size())));
    }
    return set;
}

ByteVector Serialized(const IconImageSet& set) {
    ByteVector out;
    EXPECT_TRUE(SerializeIco(set, [&](Bytes bytes) {
        out.insert(out.end(), bytes.begin(), bytes.end());
        return true;
    }));
    return out;
}

TEST(IcoWriterTest, LaysOutEveryDepthAsTheFormatSays) {
    const std::vector<ByteVector> images = {
        test::DibImage(16, 16, 1),  test::DibImage(32, 32, 4),    test::DibImage(32, 32, 8),
        test::DibImage(48, 48, 24), test::DibImage(256, 256, 32), test::PngImage(256, 256, 8, 6)};
    const ByteVector file = Serialized(SetOf(images));
    EXPECT_EQ(file, test::ExpectedIco(images));
    // Spot checks of the layout that the expectation itself relies on.
    EXPECT_EQ(file[6 + 2], 2);                             // 1 bit: two colours
    EXPECT_EQ(file[6 + 16 + 2], 16);                       // 4 bits: sixteen
    EXPECT_EQ(file[6 + 32 + 2], 0);                        // 8 bits: none
    EXPECT_EQ(file[6 + 64], 0);                            // width 256 is written as 0
    EXPECT_EQ(test::GetLe(file, 6 + 6 * 16 + 20, 4), 0u);  // biSizeImage zeroed
}

TEST(IcoWriterTest, KeepsTheHeldBytesAndPngImagesUnchanged) {
    const ByteVector dib = test::DibImage(16, 16, 4, 0x11, 0xCAFEBABE);
    const ByteVector png = test::PngImage(256, 256, 8, 6);
    const IconImageSet set = SetOf({dib, png});
    const ByteVector file = Serialized(set);
    EXPECT_EQ(
        test::GetLe(ByteVector(set.images[0].bytes().begin(), set.images[0].bytes().end()), 20, 4),
        0xCAFEBABEu);
    const auto written = test::ImagesOfIco(file);
    EXPECT_EQ(written[1], png);
    EXPECT_EQ(test::GetLe(written[0], 20, 4), 0u);
}

TEST(IcoWriterTest, ImagesShorterThanTheirHeaderAreNeverReadPastTheirEnd) {
    const std::vector<ByteVector> images = {ByteVector(22, 0xAB), ByteVector(3, 0xCD),
                                            ByteVector{}};
    const ByteVector file = Serialized(SetOf(images));
    EXPECT_EQ(file, test::ExpectedIco(images));
    EXPECT_EQ(file.size(), 6u + 3 * 16 + 22 + 3);
}

TEST(IcoWriterTest, AnEmptySetIsASixByteFile) {
    test::TempDir dir;
    EXPECT_TRUE(WriteIcoFileReporting(IconImageSet{}, dir.File("1.ico")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), (ByteVector{0, 0, 1, 0, 0, 0}));
}

TEST(IcoWriterTest, ReplacesAnExistingFileInsteadOfAppending) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("1.ico"), ByteVector(5000, 0xEE));
    const std::vector<ByteVector> images = {test::DibImage(16, 16, 4)};
    WriteIcoFile(SetOf(images), dir.File("1.ico"));
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), test::ExpectedIco(images));
}

TEST(IcoWriterTest, AFileThatCannotBeCreatedIsReportedAndNothingIsWritten) {
    test::TempDir dir;
    EXPECT_FALSE(WriteIcoFileReporting(SetOf({test::DibImage(16, 16, 4)}),
                                       dir.File("missing-folder/1.ico")));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "missing-folder"));
}

TEST(IcoWriterTest, ASetWhoseOffsetsPassFourGigabytesIsNotWritten) {
    // The sizes alone decide; the writer must refuse before touching bytes,
    // so the images' storage can stay small.
    IconImageSet set = SetOf({test::DibImage(16, 16, 4), test::DibImage(16, 16, 4)});
    set.images[0].size = 0xFFFFFFF0u;
    EXPECT_EQ(IcoFileSize(set), std::nullopt);
    test::TempDir dir;
    test::WriteFileBytes(dir.File("1.ico"), ByteVector{1, 2, 3});
    EXPECT_FALSE(WriteIcoFileReporting(set, dir.File("1.ico")));
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), (ByteVector{1, 2, 3}));  // not replaced

    set.images.resize(1);  // one image: its offset still fits
    EXPECT_EQ(IcoFileSize(set), std::uint64_t{22} + 0xFFFFFFF0u);
}

#ifndef _WIN32
TEST(IcoWriterTest, AFailedWriteLeavesWhatWasWritten) {
    // A file size limit makes the write fall short part way.
    test::TempDir dir;
    const std::vector<ByteVector> images = {ByteVector(3 << 20, 0x42)};
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit old{};
    getrlimit(RLIMIT_FSIZE, &old);
    rlimit limited = old;
    limited.rlim_cur = 1 << 20;
    setrlimit(RLIMIT_FSIZE, &limited);
    const bool written = WriteIcoFileReporting(SetOf(images), dir.File("1.ico"));
    setrlimit(RLIMIT_FSIZE, &old);
    EXPECT_FALSE(written);
    const auto onDisk = test::ReadFileBytes(dir.File("1.ico"));
    ASSERT_TRUE(onDisk);
    EXPECT_EQ(onDisk->size(), 1u << 20);
    const ByteVector expected = test::ExpectedIco(images);
    EXPECT_TRUE(std::equal(onDisk->begin(), onDisk->end(), expected.begin()));
}
#endif

}  // namespace
}  // namespace tavrin::icons
