#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <cstdlib>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::OutputFile;

// In a child process, as limits are the process's own: whether, with files
// limited to `limit` bytes, `first` is written whole and `second` not.
bool SecondWriteCutShort(const std::string& path, std::size_t limit, const ByteVector& first,
                         const ByteVector& second) {
    std::signal(SIGXFSZ, SIG_IGN);  // the write fails instead of the process
    const rlimit limits{limit, limit};
    if (setrlimit(RLIMIT_FSIZE, &limits) != 0) {
        return false;
    }
    auto file = OutputFile::CreateAlways(path);
    return file && file->Write(first) && !file->Write(second);
}

TEST(PosixFilesDeathTest, WriteCutShortKeepsTheBytesBeforeTheCut) {
    // The second write gets in part way before the limit fails it.
    TempDir dir;
    const std::string path = dir.File("out.bin");
    const ByteVector first = CountingBytes(10);
    const ByteVector second = CountingBytes(100, 10);
    EXPECT_EXIT(std::_Exit(SecondWriteCutShort(path, 50, first, second) ? 0 : 1),
                testing::ExitedWithCode(0), "");
    EXPECT_EQ(ReadFileBytes(path), CountingBytes(50));
}

}  // namespace
}  // namespace tavrin::test
