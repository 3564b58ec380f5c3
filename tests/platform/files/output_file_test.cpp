#include <gtest/gtest.h>

#include <filesystem>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/held.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::OutputFile;

TEST(OutputFileTest, ReplacesAnyFileWithOnlyTheNewBytes) {
    const struct {
        const char* what;
        std::optional<ByteVector> before;
        ByteVector written;
    } cases[] = {
        {"no file before", std::nullopt, CountingBytes(5)},
        {"longer file before", CountingBytes(9000, 100), CountingBytes(3)},
        {"longer file, nothing written", CountingBytes(9000), {}},
        {"shorter file before", CountingBytes(2, 50), CountingBytes(40)},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const std::string path = dir.File("out.bin");
        if (c.before) {
            WriteFileBytes(path, *c.before);
        }
        {
            auto file = OutputFile::CreateAlways(path);
            ASSERT_TRUE(file) << c.what;
            EXPECT_TRUE(file->Write(c.written)) << c.what;
        }
        EXPECT_EQ(ReadFileBytes(path), c.written) << c.what;
    }
}

TEST(OutputFileTest, BytesWrittenStayWhenTheFileIsDestroyed) {
    // Written in pieces of every kind of size, then left to the destructor
    // without any last step: each piece follows the one before.
    TempDir dir;
    const std::string path = dir.File("out.bin");
    ByteVector all;
    {
        auto file = OutputFile::CreateAlways(path);
        ASSERT_TRUE(file);
        for (const std::size_t size : {1, 0, 7, 70001, 2}) {
            const ByteVector piece = CountingBytes(size, all.size());
            ASSERT_TRUE(file->Write(piece)) << size;
            all.insert(all.end(), piece.begin(), piece.end());
        }
    }
    EXPECT_EQ(ReadFileBytes(path), all);
}

TEST(OutputFileTest, WhatCannotBeCreatedIsLeftAlone) {
    TempDir dir;
    const std::string folder = dir.File("folder");
    std::filesystem::create_directory(folder);
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"folder", folder},
        {"file in a missing folder", (dir.Path() / "missing" / "out.bin").string()},
        {"empty path", ""},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(OutputFile::CreateAlways(c.path)) << c.what;
    }
    EXPECT_FALSE(Held(folder));
    EXPECT_TRUE(std::filesystem::is_directory(folder));
    EXPECT_TRUE(std::filesystem::remove(folder));
    EXPECT_TRUE(std::filesystem::is_empty(dir.Path())) << "a failed create left something";
}

}  // namespace
}  // namespace tavrin::test
