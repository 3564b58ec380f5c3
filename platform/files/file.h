#pragma once
// The engine's only way to the file system. Paths are ANSI texts (exact
// bytes); on Windows they go to the A functions unchanged.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace tavrin::platform {

// A whole file mapped read-only, as a module is read. Others may read the
// file meanwhile, nobody may write it.
class MappedFile {
  public:
    static std::optional<MappedFile> Open(const std::string& path);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    std::span<const std::uint8_t> Bytes() const { return {data_, size_}; }

  private:
    MappedFile(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    void Release() noexcept;

    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

// A file opened for reading with no sharing: while it is open nobody else
// may open it, so it cannot change under the reader.
class ExclusiveInputFile {
  public:
    static std::optional<ExclusiveInputFile> Open(const std::string& path);

    ExclusiveInputFile(ExclusiveInputFile&& other) noexcept;
    ExclusiveInputFile& operator=(ExclusiveInputFile&& other) noexcept;
    ExclusiveInputFile(const ExclusiveInputFile&) = delete;
    ExclusiveInputFile& operator=(const ExclusiveInputFile&) = delete;
    ~ExclusiveInputFile();

    // Reads up to `count` bytes at the current position; returns how many
    // were read (fewer only at the end of the file or on an error).
    std::size_t Read(void* buffer, std::size_t count);
    bool SeekFromStart(std::uint64_t offset);
    std::optional<std::uint64_t> Size() const;

  private:
    explicit ExclusiveInputFile(std::intptr_t handle) : handle_(handle) {}
    void Release() noexcept;

    std::intptr_t handle_;
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
