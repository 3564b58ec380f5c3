#include <gtest/gtest.h>

#include <filesystem>
#include <system_error>
#include <utility>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/held.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::MappedFile;
using platform::OutputFile;
using platform::Sharing;

// Every way a file is mapped: empty (no view) or not, with either sharing.
const struct MappedSource {
    const char* what;
    std::size_t size;
    Sharing sharing;
} kMappedSources[] = {
    {"empty, readers", 0, Sharing::kReaders},
    {"empty, nobody", 0, Sharing::kNobody},
    {"4097 bytes, readers", 4097, Sharing::kReaders},
    {"4097 bytes, nobody", 4097, Sharing::kNobody},
};

bool HeldWhileMapped(const MappedSource& source) {
    return source.size > 0 || kEmptyFileHeld;
}

ByteVector BytesOf(const MappedFile& file) {
    return ByteVector(file.Bytes().begin(), file.Bytes().end());
}

ByteVector Joined(ByteVector first, const ByteVector& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

// Nothing holds the file any more, so it can be removed, on Windows too.
void ExpectLetGo(const std::string& path, const char* what) {
    EXPECT_FALSE(Held(path)) << what;
    std::error_code error;
    EXPECT_TRUE(std::filesystem::remove(path, error)) << what << ": " << error.message();
}

TEST(FileReleaseTest, MappedFileLetsGoWhenDestroyed) {
    for (const MappedSource& s : kMappedSources) {
        TempDir dir;
        const std::string path = dir.File("in.bin");
        WriteFileBytes(path, CountingBytes(s.size));
        {
            const auto file = MappedFile::Open(path, s.sharing);
            ASSERT_TRUE(file) << s.what;
            EXPECT_EQ(Held(path), HeldWhileMapped(s)) << s.what;
        }
        ExpectLetGo(path, s.what);
    }
}

TEST(FileReleaseTest, MovedMappedFileIsLetGoByItsLastOwnerOnly) {
    for (const MappedSource& s : kMappedSources) {
        TempDir dir;
        const std::string path = dir.File("in.bin");
        WriteFileBytes(path, CountingBytes(s.size));
        auto source = MappedFile::Open(path, s.sharing);
        ASSERT_TRUE(source) << s.what;
        {
            const MappedFile moved(std::move(*source));
            EXPECT_TRUE(source->Bytes().empty()) << s.what;
            source.reset();
            EXPECT_EQ(Held(path), HeldWhileMapped(s)) << s.what;
            EXPECT_EQ(BytesOf(moved), CountingBytes(s.size)) << s.what;
        }
        ExpectLetGo(path, s.what);
    }
}

TEST(FileReleaseTest, MoveAssignedMappedFileLetsGoOfItsOwnAndTakesOver) {
    for (const MappedSource& s : kMappedSources) {
        TempDir dir;
        const std::string kept = dir.File("kept.bin");
        const std::string dropped = dir.File("dropped.bin");
        WriteFileBytes(kept, CountingBytes(s.size));
        WriteFileBytes(dropped, CountingBytes(5000, 9));
        auto source = MappedFile::Open(kept, s.sharing);
        auto target = MappedFile::Open(dropped, s.sharing);
        ASSERT_TRUE(source && target) << s.what;
        *target = std::move(*source);
        ExpectLetGo(dropped, s.what);
        source.reset();
        EXPECT_EQ(Held(kept), HeldWhileMapped(s)) << s.what;
        EXPECT_EQ(BytesOf(*target), CountingBytes(s.size)) << s.what;
        target.reset();
        ExpectLetGo(kept, s.what);
    }
}

TEST(FileReleaseTest, OutputFileLetsGoWhenDestroyed) {
    TempDir dir;
    const std::string path = dir.File("out.bin");
    {
        auto file = OutputFile::CreateAlways(path);
        ASSERT_TRUE(file);
        EXPECT_TRUE(Held(path));
        EXPECT_TRUE(file->Write(CountingBytes(3)));
    }
    ExpectLetGo(path, "written");
}

TEST(FileReleaseTest, MovedOutputFileIsLetGoByItsLastOwnerOnly) {
    // The moved-from file can write no more; what went before stays, and
    // its destruction leaves the new owner writing.
    TempDir dir;
    const std::string path = dir.File("out.bin");
    const ByteVector first = CountingBytes(10);
    const ByteVector second = CountingBytes(20, 10);
    auto source = OutputFile::CreateAlways(path);
    ASSERT_TRUE(source);
    ASSERT_TRUE(source->Write(first));
    {
        OutputFile moved(std::move(*source));
        EXPECT_FALSE(source->Write(CountingBytes(4, 200)));
        source.reset();
        EXPECT_TRUE(Held(path));
        EXPECT_TRUE(moved.Write(second));
    }
    EXPECT_EQ(ReadFileBytes(path), Joined(first, second));
    ExpectLetGo(path, "moved");
}

TEST(FileReleaseTest, MoveAssignedOutputFileLetsGoOfItsOwnAndTakesOver) {
    TempDir dir;
    const std::string kept = dir.File("kept.bin");
    const std::string dropped = dir.File("dropped.bin");
    const ByteVector first = CountingBytes(10);
    const ByteVector second = CountingBytes(20, 10);
    auto source = OutputFile::CreateAlways(kept);
    auto target = OutputFile::CreateAlways(dropped);
    ASSERT_TRUE(source && target);
    ASSERT_TRUE(source->Write(first));
    ASSERT_TRUE(target->Write(CountingBytes(6, 300)));
    *target = std::move(*source);
    EXPECT_FALSE(Held(dropped));
    EXPECT_EQ(ReadFileBytes(dropped), CountingBytes(6, 300));
    source.reset();
    EXPECT_TRUE(Held(kept));
    EXPECT_TRUE(target->Write(second));
    target.reset();
    EXPECT_EQ(ReadFileBytes(kept), Joined(first, second));
    ExpectLetGo(kept, "kept");
    ExpectLetGo(dropped, "dropped");
}

}  // namespace
}  // namespace tavrin::test
