#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <future>
#include <optional>

#include "platform/files/file.h"
#include "tests/platform/files/counting_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

using platform::MappedFile;
using platform::OutputFile;

// The test's own end of a FIFO, closed when it goes.
class FifoEnd {
  public:
    FifoEnd(const std::string& fifo, int access)
        : fd_(open(fifo.c_str(), access | O_NONBLOCK | O_CLOEXEC)) {}
    FifoEnd(const FifoEnd&) = delete;
    FifoEnd& operator=(const FifoEnd&) = delete;
    ~FifoEnd() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }

  private:
    int fd_;
};

// Whether `open_it` succeeded, or nothing when it was still waiting for the
// FIFO's other end after a long while; the test then opens that end itself
// (`other_end`, O_RDONLY or O_WRONLY) so the waiting open can return.
std::optional<bool> OpenOfFifo(const std::function<bool()>& open_it, const std::string& fifo,
                               int other_end) {
    auto opened = std::async(std::launch::async, open_it);
    if (opened.wait_for(std::chrono::seconds(20)) == std::future_status::ready) {
        return opened.get();
    }
    const FifoEnd release(fifo, other_end);
    opened.wait();
    return std::nullopt;
}

TEST(PosixFilesTest, FifoIsRefusedWithoutWaitingForItsOtherEnd) {
    // Nobody writes to this FIFO or reads from it: waiting for them would
    // stop the engine for good.
    TempDir dir;
    const std::string fifo = dir.File("fifo");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(OpenOfFifo([&] { return MappedFile::Open(fifo).has_value(); }, fifo, O_WRONLY),
              false);
    EXPECT_EQ(
        OpenOfFifo([&] { return OutputFile::CreateAlways(fifo).has_value(); }, fifo, O_RDONLY),
        false);
}

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
