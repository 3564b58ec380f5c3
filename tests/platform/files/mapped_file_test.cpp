#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/held.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::MappedFile;
using platform::Sharing;

constexpr Sharing kSharings[] = {Sharing::kReaders, Sharing::kNobody};

ByteVector BytesOf(const MappedFile& file) {
    return ByteVector(file.Bytes().begin(), file.Bytes().end());
}

TEST(MappedFileTest, BytesAreTheFilesBytes) {
    // Sizes about a page show the view is neither cut short nor padded.
    for (const std::size_t size : {0, 1, 5, 4095, 4096, 4097, 70001}) {
        for (const Sharing sharing : kSharings) {
            TempDir dir;
            const std::string path = dir.File("in.bin");
            WriteFileBytes(path, CountingBytes(size));
            const auto file = MappedFile::Open(path, sharing);
            ASSERT_TRUE(file) << size;
            EXPECT_EQ(BytesOf(*file), CountingBytes(size)) << size;
        }
    }
}

TEST(MappedFileTest, PathIsTakenByteForByte) {
    // Letters outside ASCII are bytes of the ANSI code page, as the C
    // library takes them.
    TempDir dir;
    const std::string path = dir.Path().string() + "/caf\xE9 \xC4\xF1.bin";
    WriteFileBytes(path, CountingBytes(9));
    const auto file = MappedFile::Open(path);
    ASSERT_TRUE(file);
    EXPECT_EQ(BytesOf(*file), CountingBytes(9));
}

TEST(MappedFileTest, WhatIsNotAFileCannotBeMappedAndIsLeftAlone) {
    TempDir dir;
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"folder", folder},
        {"missing file", dir.File("missing.bin")},
        {"file in a missing folder", (dir.Path() / "missing" / "in.bin").string()},
        {"empty path", ""},
    };
    for (const auto& c : cases) {
        for (const Sharing sharing : kSharings) {
            EXPECT_FALSE(MappedFile::Open(c.path, sharing)) << c.what;
        }
    }
    EXPECT_FALSE(Held(folder));
    EXPECT_TRUE(std::filesystem::remove(folder));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "an open created something";
}

}  // namespace
}  // namespace tavrin::test
