#pragma once
// The engine's only way to the file system. Paths are ANSI texts (exact
// bytes); on Windows they go to the A functions unchanged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tavrin::platform {

// What tells one file from another, and a file from itself after a change:
// the file's number on its volume, with its size and last write time.
struct FileIdentity {
    std::uint64_t volume = 0;  // where the system numbers files per volume
    std::uint64_t index = 0;
    std::uint64_t size = 0;
    std::int64_t lastWrite = 0;

    bool operator==(const FileIdentity&) const = default;
};

// The identity of the file `path` names now; none when there is none. Cheap:
// the file's bytes are not opened for reading.
std::optional<FileIdentity> IdentityOfPath(const std::string& path);

// Makes the folder `path` and any folders above it that are missing; true
// when it exists as a folder afterwards. The path's bytes go to the system as
// every other path does, so a folder is made under the name files are then
// written to.
bool MakeFolders(const std::string& path);

// Who else may open a file while it is mapped.
enum class Sharing {
    kReaders,  // others may read (and, on Windows, delete) it; nobody may write
    kNobody,   // nobody else may open it at all, where the system enforces that
};

// A whole file mapped read-only: the one way the engine reads a source.
// The file stays open as long as the mapping, so its sharing holds that long.
class MappedFile {
  public:
    static std::optional<MappedFile> Open(const std::string& path,
                                          Sharing sharing = Sharing::kReaders);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }
    // The identity of the file mapped, taken when it was opened.
    const std::optional<FileIdentity>& Identity() const { return identity_; }

  private:
    MappedFile(const std::uint8_t* data, std::size_t size, std::intptr_t file,
               std::optional<FileIdentity> identity)
        : data_(data), size_(size), file_(file), identity_(identity) {}
    void Release() noexcept;

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
    std::intptr_t file_ = -1;  // held where closing it would end the sharing rule
    std::optional<FileIdentity> identity_;
};

// A file created for writing, replacing any file of that name, with no
// sharing.
class OutputFile {
  public:
    static std::optional<OutputFile> CreateAlways(const std::string& path);

    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&& other) noexcept;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;
    ~OutputFile();

    // True when every byte was written.
    bool Write(std::span<const std::uint8_t> bytes);

  private:
    explicit OutputFile(std::intptr_t handle) : handle_(handle) {}
    void Release() noexcept;

    std::intptr_t handle_;
};

}  // namespace tavrin::platform
