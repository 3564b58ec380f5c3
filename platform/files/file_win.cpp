#include "platform/files/file.h"

#include <windows.h>

#include <winternl.h>

#include <algorithm>
#include <utility>

#include "platform/files/path.h"

namespace tavrin::platform {
namespace {

HANDLE AsHandle(std::intptr_t value) {
    return reinterpret_cast<HANDLE>(value);
}

// A kernel handle closed on every path.
class ScopedHandle {
  public:
    explicit ScopedHandle(HANDLE handle) : handle_(handle) {}
    ScopedHandle(const ScopedHandle&) = delete;
    ScopedHandle& operator=(const ScopedHandle&) = delete;
    ~ScopedHandle() {
        if (Valid()) {
            CloseHandle(handle_);
        }
    }
    bool Valid() const { return handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE; }
    HANDLE Get() const { return handle_; }
    HANDLE Take() { return std::exchange(handle_, INVALID_HANDLE_VALUE); }

  private:
    HANDLE handle_;
};

// A file on a disk, not a device, console or pipe. A folder never gets this
// far: CreateFileA without FILE_FLAG_BACKUP_SEMANTICS refuses to open one.
// Cheaper than GetFileInformationByHandle, which under Wine costs more than
// the rest of an open together.
bool IsDiskFile(HANDLE file) {
    return GetFileType(file) == FILE_TYPE_DISK;
}

std::optional<std::uint64_t> SizeOf(HANDLE file) {
    LARGE_INTEGER size{};
    if (GetFileSizeEx(file, &size) == 0 || size.QuadPart < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

void CloseIfValid(std::intptr_t& handle) noexcept {
    HANDLE h =
        AsHandle(std::exchange(handle, reinterpret_cast<std::intptr_t>(INVALID_HANDLE_VALUE)));
    if (h != INVALID_HANDLE_VALUE && h != nullptr) {
        CloseHandle(h);
    }
}

constexpr std::intptr_t kNoHandle = -1;  // INVALID_HANDLE_VALUE

// The file's number, size and last write time. The number is asked of
// NtQueryInformationFile alone: GetFileInformationByHandle also asks for the
// volume's serial number, which under Wine costs a hundred times more.
std::optional<FileIdentity> IdentityOf(HANDLE file, std::uint64_t size) {
    IO_STATUS_BLOCK status{};
    LARGE_INTEGER index{};
    FILETIME written{};
    if (NtQueryInformationFile(file, &status, &index, sizeof index, FileInternalInformation) != 0 ||
        GetFileTime(file, nullptr, nullptr, &written) == 0) {
        return std::nullopt;
    }
    ULARGE_INTEGER time{};
    time.LowPart = written.dwLowDateTime;
    time.HighPart = written.dwHighDateTime;
    return FileIdentity{0, static_cast<std::uint64_t>(index.QuadPart), size,
                        static_cast<std::int64_t>(time.QuadPart)};
}

}  // namespace

std::optional<FileIdentity> IdentityOfPath(const std::string& path) {
    // Attributes only: no share mode of anyone else's stands in the way.
    ScopedHandle file(CreateFileA(path.c_str(), FILE_READ_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || !IsDiskFile(file.Get())) {
        return std::nullopt;
    }
    const auto size = SizeOf(file.Get());
    return size ? IdentityOf(file.Get(), *size) : std::nullopt;
}

namespace {

bool IsFolder(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

bool MakeFolders(const std::string& path) {
    // std::filesystem would take the bytes for characters of no code page at
    // all; the A functions read them in the process code page, as the files
    // written there later are named.
    if (path.empty() || IsFolder(path)) {
        return !path.empty();
    }
    const PathSyntax syntax = NativePathSyntax();
    const std::size_t last = LastSeparator(path, syntax);
    if (last != std::string::npos && last + 1 == path.size()) {
        return MakeFolders(path.substr(0, last));  // "a\b\" names "a\b"
    }
    if (last != std::string::npos && last > 0) {
        const std::string parent = path.substr(0, last);
        if (!(parent.size() == 2 && parent[1] == ':') && !MakeFolders(parent)) {
            return false;
        }
    }
    return CreateDirectoryA(path.c_str(), nullptr) != 0 || IsFolder(path);
}

// --- MappedFile -------------------------------------------------------------

std::optional<MappedFile> MappedFile::Open(const std::string& path, Sharing sharing) {
    // Modules are opened as the loader opens a data file: others may read
    // and delete, nobody may write meanwhile. The handle is kept with the
    // view: closing it would end the sharing rule while the bytes are read.
    const DWORD share = sharing == Sharing::kReaders ? FILE_SHARE_READ | FILE_SHARE_DELETE : 0;
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_READ, share, nullptr, OPEN_EXISTING,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid() || !IsDiskFile(file.Get())) {
        return std::nullopt;
    }
    const auto size = SizeOf(file.Get());
    if (!size || *size > SIZE_MAX) {
        return std::nullopt;
    }
    if (*size == 0) {  // an empty file cannot be mapped
        const auto identity = IdentityOf(file.Get(), 0);
        return MappedFile(nullptr, 0, reinterpret_cast<std::intptr_t>(file.Take()), identity);
    }
    ScopedHandle mapping(CreateFileMappingA(file.Get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping.Valid()) {
        return std::nullopt;
    }
    const void* view = MapViewOfFile(mapping.Get(), FILE_MAP_READ, 0, 0, 0);
    if (view == nullptr) {
        return std::nullopt;
    }
    const auto identity = IdentityOf(file.Get(), *size);
    return MappedFile(static_cast<const std::uint8_t*>(view), static_cast<std::size_t>(*size),
                      reinterpret_cast<std::intptr_t>(file.Take()), identity);
}

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      file_(std::exchange(other.file_, kNoHandle)),
      identity_(std::exchange(other.identity_, std::nullopt)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Release();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        file_ = std::exchange(other.file_, kNoHandle);
        identity_ = std::exchange(other.identity_, std::nullopt);
    }
    return *this;
}

MappedFile::~MappedFile() {
    Release();
}

void MappedFile::Release() noexcept {
    if (data_ != nullptr) {
        UnmapViewOfFile(data_);
        data_ = nullptr;
        size_ = 0;
    }
    CloseIfValid(file_);
}

// --- OutputFile -------------------------------------------------------------

std::optional<OutputFile> OutputFile::CreateAlways(const std::string& path) {
    ScopedHandle file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        return std::nullopt;
    }
    return OutputFile(reinterpret_cast<std::intptr_t>(file.Take()));
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : handle_(std::exchange(other.handle_, kNoHandle)) {}

OutputFile& OutputFile::operator=(OutputFile&& other) noexcept {
    if (this != &other) {
        Release();
        handle_ = std::exchange(other.handle_, kNoHandle);
    }
    return *this;
}

OutputFile::~OutputFile() {
    Release();
}

void OutputFile::Release() noexcept {
    CloseIfValid(handle_);
}

bool OutputFile::Write(std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const DWORD ask = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 30));
        DWORD put = 0;
        if (WriteFile(AsHandle(handle_), bytes.data() + done, ask, &put, nullptr) == 0 ||
            put != ask) {
            return false;
        }
        done += put;
    }
    return true;
}

}  // namespace tavrin::platform
