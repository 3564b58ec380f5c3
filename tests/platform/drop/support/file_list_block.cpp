#include "tests/platform/drop/support/file_list_block.h"

#include <cstdint>
#include <cstring>

namespace tavrin::test {
namespace {

constexpr std::size_t kHeaderSize = 20;  // pFiles, pt.x, pt.y, fNC, fWide

void PutUint32(std::vector<std::byte>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<std::byte>((value >> (8 * i)) & 0xFF);
    }
}

template <typename Char>
std::vector<std::byte> FileListBlock(const std::vector<std::basic_string<Char>>& paths, bool wide) {
    std::vector<std::byte> bytes(kHeaderSize);
    PutUint32(bytes, 0, kHeaderSize);
    PutUint32(bytes, 16, wide ? 1 : 0);
    const auto append = [&bytes](const Char* text, std::size_t count) {
        const std::size_t at = bytes.size();
        bytes.resize(at + (count + 1) * sizeof(Char));
        if (count > 0) {
            std::memcpy(bytes.data() + at, text, count * sizeof(Char));
        }
    };
    for (const auto& path : paths) {
        append(path.data(), path.size());
    }
    append(nullptr, 0);
    if (paths.empty()) {
        append(nullptr, 0);  // a list always ends in two NULs, an empty one too
    }
    return bytes;
}

}  // namespace

std::vector<std::byte> AnsiFileListBlock(const std::vector<std::string>& paths) {
    return FileListBlock(paths, false);
}

std::vector<std::byte> WideFileListBlock(const std::vector<std::wstring>& paths) {
    return FileListBlock(paths, true);
}

HGLOBAL CopyToGlobal(std::span<const std::byte> bytes) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, bytes.empty() ? 1 : bytes.size());
    if (memory == nullptr) {
        return nullptr;
    }
    if (void* data = GlobalLock(memory)) {
        std::memcpy(data, bytes.data(), bytes.size());
        GlobalUnlock(memory);
        return memory;
    }
    GlobalFree(memory);
    return nullptr;
}

}  // namespace tavrin::test
