#include <gtest/gtest.h>

#include <string>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/held.h"
#include "tests/support/scoped_handle_win.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::MappedFile;
using platform::OutputFile;
using platform::Sharing;

// Whether another open of the file for `access` gets in. It shares
// everything itself, so only the holder's share mode can keep it out.
bool OtherOpens(const std::string& path, DWORD access) {
    return TakeFileHandle(CreateFileA(
               path.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
               nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)) != nullptr;
}

ByteVector BytesOf(const MappedFile& file) {
    return ByteVector(file.Bytes().begin(), file.Bytes().end());
}

const struct Rule {
    const char* what;
    Sharing sharing;
    bool reader, writer, deleter;
} kRules[] = {
    {"readers", Sharing::kReaders, true, false, true},
    {"nobody", Sharing::kNobody, false, false, false},
};

TEST(FileSharingTest, MappedFileLetsInWhatItsSharingAllows) {
    // An empty file has no view: its handle alone keeps the rule.
    for (const std::size_t size : {0, 4097}) {
        for (const Rule& rule : kRules) {
            TempDir dir;
            const std::string path = dir.File("in.bin");
            WriteFileBytes(path, CountingBytes(size));
            const auto file = MappedFile::Open(path, rule.sharing);
            ASSERT_TRUE(file) << rule.what << ", " << size;
            EXPECT_EQ(OtherOpens(path, GENERIC_READ), rule.reader) << rule.what << ", " << size;
            EXPECT_EQ(OtherOpens(path, GENERIC_WRITE), rule.writer) << rule.what << ", " << size;
            EXPECT_EQ(OtherOpens(path, DELETE), rule.deleter) << rule.what << ", " << size;
        }
    }
}

TEST(FileSharingTest, MappedFileKeepsTheFileLayerOutAsItKeepsOthersOut) {
    // A second reader that shares with readers gets in where readers are
    // let in; one that wants the file alone, or a writer, never does, and
    // the failed writer leaves the file as it was.
    for (const Rule& rule : kRules) {
        TempDir dir;
        const std::string path = dir.File("in.bin");
        WriteFileBytes(path, CountingBytes(300));
        auto file = MappedFile::Open(path, rule.sharing);
        ASSERT_TRUE(file) << rule.what;
        EXPECT_EQ(MappedFile::Open(path, Sharing::kReaders).has_value(), rule.reader) << rule.what;
        EXPECT_FALSE(MappedFile::Open(path, Sharing::kNobody)) << rule.what;
        EXPECT_FALSE(OutputFile::CreateAlways(path)) << rule.what;
        EXPECT_EQ(BytesOf(*file), CountingBytes(300)) << rule.what;
        file.reset();
        EXPECT_FALSE(Held(path)) << rule.what;
        EXPECT_EQ(ReadFileBytes(path), CountingBytes(300)) << rule.what;
    }
}

TEST(FileSharingTest, NobodyElseOpensAFileBeingWritten) {
    TempDir dir;
    const std::string path = dir.File("out.bin");
    auto file = OutputFile::CreateAlways(path);
    ASSERT_TRUE(file);
    ASSERT_TRUE(file->Write(CountingBytes(10)));
    EXPECT_FALSE(OtherOpens(path, GENERIC_READ));
    EXPECT_FALSE(OtherOpens(path, GENERIC_WRITE));
    EXPECT_FALSE(OtherOpens(path, DELETE));
    EXPECT_FALSE(MappedFile::Open(path, Sharing::kReaders));
    EXPECT_FALSE(MappedFile::Open(path, Sharing::kNobody));
    EXPECT_FALSE(OutputFile::CreateAlways(path));
    // The refused create emptied nothing under the writer.
    ASSERT_TRUE(file->Write(CountingBytes(5, 10)));
    file.reset();
    EXPECT_FALSE(Held(path));
    EXPECT_EQ(ReadFileBytes(path), CountingBytes(15));
}

}  // namespace
}  // namespace tavrin::test
