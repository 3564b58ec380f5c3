#include "platform/files/file.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <limits>
#include <utility>

namespace tavrin::platform {
namespace {

// A descriptor closed on every path.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0) {
            close(fd_);
        }
    }
    int Get() const { return fd_; }
    int Take() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

int OpenRegularFile(const std::string& path) {
    // Without O_NONBLOCK a FIFO would wait here for a writer, for good.
    Descriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    struct stat info {};
    if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return -1;
    }
    return fd.Take();
}

FileIdentity IdentityOf(const struct stat& info) {
    return {static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
            static_cast<std::uint64_t>(info.st_size),
            static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec};
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
    struct stat info {};
    if (stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return std::nullopt;
    }
    return IdentityOf(info);
}

bool MakeFolders(const std::string& path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return std::filesystem::is_directory(path, error);
}

// --- MappedFile -------------------------------------------------------------
// POSIX has no mandatory share modes: a file is mapped alike for either
// sharing, and the descriptor is not needed once mapped.

std::optional<MappedFile> MappedFile::Open(const std::string& path, Sharing) {
    Descriptor fd(OpenRegularFile(path));
    struct stat info {};
    if (fd.Get() < 0 || fstat(fd.Get(), &info) != 0) {
        return std::nullopt;
    }
    if (info.st_size == 0) {
        return MappedFile(nullptr, 0, -1, IdentityOf(info));
    }
    if (static_cast<std::uint64_t>(info.st_size) > std::numeric_limits<std::size_t>::max()) {
        return std::nullopt;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    void* view = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd.Get(), 0);
    if (view == MAP_FAILED) {
        return std::nullopt;
    }
    return MappedFile(static_cast<const std::uint8_t*>(view), size, -1, IdentityOf(info));
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      file_(std::exchange(other.file_, -1)),
      identity_(std::exchange(other.identity_, std::nullopt)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        file_ = std::exchange(other.file_, -1);
        identity_ = std::exchange(other.identity_, std::nullopt);
    }
    return *this;
}

MappedFile::~MappedFile() {
    Release();
}

void MappedFile::Release() noexcept {
    if (data_ != nullptr) {
        munmap(const_cast<std::uint8_t*>(data_), size_);
        data_ = nullptr;
        size_ = 0;
    }
}

// --- OutputFile -------------------------------------------------------------

std::optional<OutputFile> OutputFile::CreateAlways(const std::string& path) {
    // O_NONBLOCK fails a FIFO nobody reads instead of waiting for a reader;
    // it is taken off again so that writes are whole.
    Descriptor fd(open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_CLOEXEC, 0644));
    if (fd.Get() < 0) {
        return std::nullopt;
    }
    const int flags = fcntl(fd.Get(), F_GETFL);
    if (flags < 0 || fcntl(fd.Get(), F_SETFL, flags & ~O_NONBLOCK) != 0) {
        return std::nullopt;
    }
    return OutputFile(fd.Take());
}

OutputFile::OutputFile(OutputFile&& other) noexcept : handle_(std::exchange(other.handle_, -1)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, -1);
    }
    return *this;
}

OutputFile::~OutputFile() {
    Release();
}

void OutputFile::Release() noexcept {
    if (handle_ >= 0) {
        close(static_cast<int>(handle_));
        handle_ = -1;
    }
}

bool OutputFile::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t put =
            write(static_cast<int>(handle_), bytes.data() + done, bytes.size() - done);
        if (put < 0 && errno == EINTR) {
            continue;
        }
        if (put <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(put);
    }
    return true;
}

}  // namespace tavrin::platform
