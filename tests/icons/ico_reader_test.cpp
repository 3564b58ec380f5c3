#include <gtest/gtest.h>

#include "icons/extract_icon_group.h"
#include "icons/ico_file.h"
#include "tests/support/expected_ico.h"
#include "tests/support/ico_builder.h"
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"
#include "tests/support/temp_dir.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace tavrin::icons {
namespace {

using test::ByteVector;

std::vector<ByteVector> ImagesOf(const IconImageSet& set) {
    std::vector<ByteVector> images;
    for (const IconImage& image : set.images) {
        images.emplace_back(image.bytes().begin(), image.bytes().end());
    }
    return images;
}

// An ICO file with its directory entries given field by field.
struct Entry {
    std::uint32_t size, offset;
};
ByteVector IcoWithEntries(std::uint16_t type, const std::vector<Entry>& entries, std::size_t total,
                          std::uint16_t reserved = 0) {
    ByteVector out = test::IcoHeader(entries.size(), type, reserved);
    for (const Entry& e : entries) {
        test::PutLe(out, 0, 8);
        test::PutLe(out, e.size, 4);
        test::PutLe(out, e.offset, 4);
    }
    for (std::size_t i = out.size(); i < total; ++i) {
        out.push_back(static_cast<std::uint8_t>(i * 7));
    }
    return out;
}

TEST(IcoReaderTest, RejectsFilesThatAreNotIconsOrPointOutside) {
    const struct {
        const char* what;
        ByteVector bytes;
    } cases[] = {
        {"empty file", {}},
        {"short header", {0, 0, 1}},
        {"cursor", IcoWithEntries(2, {{4, 22}}, 26)},
        {"reserved not zero", IcoWithEntries(1, {{4, 22}}, 26, 1)},
        {"shorter than its directory", ByteVector{0, 0, 1, 0, 3, 0, 1, 2, 3}},
        {"entry past the end", IcoWithEntries(1, {{4, 22}, {10, 30}}, 38)},
        {"offset past the end", IcoWithEntries(1, {{0, 0xFFFFFFFF}}, 22)},
        {"size near four gigabytes", IcoWithEntries(1, {{0xFFFFFFFF, 22}}, 40)},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadIcoBytes(c.bytes).set) << c.what;
        test::TempDir dir;
        test::WriteFileBytes(dir.File("in.ico"), c.bytes);
        const IcoReadResult read = ReadIcoFileReporting(dir.File("in.ico"));
        EXPECT_FALSE(read.set) << c.what;
        EXPECT_EQ(read.problem, ExtractProblem::kNotAnIconFile) << c.what;
        // The extraction still counts the file as one icon, and writes nothing.
        EXPECT_EQ(ExtractIconGroup(dir.File("in.ico").c_str(), 0, dir.File("1.ico").c_str(), 1), 1);
        EXPECT_FALSE(std::filesystem::exists(dir.File("1.ico"))) << c.what;
    }
}

TEST(IcoReaderTest, AMissingFileIsUnreadable) {
    test::TempDir dir;
    EXPECT_EQ(ReadIcoFileReporting(dir.File("none.ico")).problem, ExtractProblem::kUnreadable);
    EXPECT_EQ(ReadIcoFileReporting(dir.Path().string()).problem, ExtractProblem::kUnreadable);
}

TEST(IcoReaderTest, CopyIsNormalisedFromTheImagesOwnHeaders) {
    // Wrong directory sizes and colour counts, a gap between images and
    // bytes after the last: the copy has none of them.
    const ByteVector first = test::DibImage(16, 16, 4, 0x21);
    const ByteVector second = test::DibImage(32, 32, 8, 0x22);
    ByteVector file;
    test::PutLe(file, 0, 2);
    test::PutLe(file, 1, 2);
    test::PutLe(file, 2, 2);
    const std::size_t firstAt = 6 + 32 + 10, secondAt = firstAt + first.size() + 7;
    test::PutLe(file, 0x00FF3030, 4);  // claims 48x48, 255 colours
    test::PutLe(file, 0x00200001, 4);
    test::PutLe(file, first.size(), 4);
    test::PutLe(file, firstAt, 4);
    test::PutLe(file, 0x00000000, 8);
    test::PutLe(file, second.size(), 4);
    test::PutLe(file, secondAt, 4);
    file.resize(secondAt + second.size() + 100, 0x99);
    std::copy(first.begin(), first.end(), file.begin() + static_cast<std::ptrdiff_t>(firstAt));
    std::copy(second.begin(), second.end(), file.begin() + static_cast<std::ptrdiff_t>(secondAt));

    test::TempDir dir;
    test::WriteFileBytes(dir.File("source.ico"), file);
    EXPECT_EQ(ExtractIconGroup(dir.File("source.ico").c_str(), 0, dir.File("1.ico").c_str(), 1), 1);
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), test::ExpectedIco({first, second}));
}

TEST(IcoReaderTest, OverlappingEntriesAreEachCopiedWhole) {
    const ByteVector bytes = IcoWithEntries(1, {{30, 38}, {20, 48}, {30, 38}}, 80);
    const auto set = ReadIcoBytes(bytes).set;
    ASSERT_TRUE(set);
    const auto images = ImagesOf(*set);
    ASSERT_EQ(images.size(), 3u);
    EXPECT_EQ(images[0], ByteVector(bytes.begin() + 38, bytes.begin() + 68));
    EXPECT_EQ(images[1], ByteVector(bytes.begin() + 48, bytes.begin() + 68));
    EXPECT_EQ(images[2], images[0]);

    test::TempDir dir;
    test::WriteFileBytes(dir.File("o.ico"), bytes);
    ExtractIconGroup(dir.File("o.ico").c_str(), 0, dir.File("1.ico").c_str(), 1);
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), test::ExpectedIco(images));
}

TEST(IcoReaderTest, OnlyIndexOneWritesAnIconFile) {
    const std::vector<ByteVector> images = {test::DibImage(16, 16, 4), test::DibImage(32, 32, 32),
                                            test::PngImage(256, 256, 8, 6)};
    test::TempDir dir;
    test::WriteFileBytes(dir.File("three.ICO"), test::IcoFile(images));
    for (int index = 1; index <= 100; ++index) {
        const std::string out = dir.File(std::to_string(index) + ".ico");
        EXPECT_EQ(ExtractIconGroup(dir.File("three.ICO").c_str(), 0, out.c_str(), index),
                  index == 1 ? 1 : 0);
    }
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), test::ExpectedIco(images));
    EXPECT_FALSE(std::filesystem::exists(dir.File("2.ico")));
    EXPECT_FALSE(std::filesystem::exists(dir.File("100.ico")));
}

TEST(IcoReaderTest, AnIconFileWithNoImagesIsWrittenAsSixBytes) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("none.ico"), {0, 0, 1, 0, 0, 0, 0xAA, 0xBB});
    EXPECT_EQ(ExtractIconGroup(dir.File("none.ico").c_str(), 0, dir.File("1.ico").c_str(), 1), 1);
    EXPECT_EQ(test::ReadFileBytes(dir.File("1.ico")), (ByteVector{0, 0, 1, 0, 0, 0}));
}

#ifdef _WIN32
TEST(IcoReaderTest, AFileHeldWithoutReadSharingCannotBeRead) {
    test::TempDir dir;
    test::WriteFileBytes(dir.File("held.ico"), test::IcoFile({test::DibImage(16, 16, 4)}));
    HANDLE held = CreateFileA(dir.File("held.ico").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_EQ(ReadIcoFileReporting(dir.File("held.ico")).problem, ExtractProblem::kUnreadable);
    EXPECT_EQ(ExtractIconGroup(dir.File("held.ico").c_str(), 0, dir.File("1.ico").c_str(), 1), 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("1.ico")));
    CloseHandle(held);
}

TEST(IcoReaderTest, TheReaderSharesNothingWhileItReads) {
    // Another program holding the file for reading with sharing allowed
    // still makes the reader's no-sharing open fail.
    test::TempDir dir;
    test::WriteFileBytes(dir.File("shared.ico"), test::IcoFile({test::DibImage(16, 16, 4)}));
    HANDLE reader = CreateFileA(dir.File("shared.ico").c_str(), GENERIC_READ,
                                FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(reader, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(ReadIcoFile(dir.File("shared.ico")));
    CloseHandle(reader);
    EXPECT_TRUE(ReadIcoFile(dir.File("shared.ico")));
}
#endif

}  // namespace
}  // namespace tavrin::icons
