#include "platform/win/drop/dropped_files.h"

#include <shellapi.h>

#include <cstdint>

#include "platform/win/drop/storage_medium.h"

namespace tavrin::platform {
namespace {

// DROPFILES: pFiles (offset of the list) at 0, fWide at 16, 20 bytes in all.
constexpr std::size_t kListOffsetField = 0;
constexpr std::size_t kWideField = 16;
constexpr std::size_t kHeaderSize = 20;

std::uint32_t ReadUint32(std::span<const std::byte> bytes, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= std::to_integer<std::uint32_t>(bytes[offset + i]) << (8 * i);
    }
    return value;
}

// Each character is `width` bytes; true when an empty path follows the
// last one before the block ends. An empty list still needs its two NULs:
// readers step over the first empty path before they look for the end.
bool ListEndsInside(std::span<const std::byte> block, std::size_t offset, std::size_t width) {
    const auto isNul = [&](std::size_t at) {
        for (std::size_t i = 0; i < width; ++i) {
            if (block[at + i] != std::byte{0}) {
                return false;
            }
        }
        return true;
    };
    const auto holds = [&](std::size_t at) {
        return at <= block.size() && block.size() - at >= width;
    };
    if (holds(offset) && isNul(offset)) {
        return holds(offset + width) && isNul(offset + width);
    }
    bool atPathStart = true;
    for (std::size_t at = offset; holds(at); at += width) {
        const bool nul = isNul(at);
        if (nul && atPathStart) {
            return true;
        }
        atPathStart = nul;
    }
    return false;
}

}  // namespace

bool IsWellFormedFileList(std::span<const std::byte> block) {
    if (block.size() < kHeaderSize) {
        return false;
    }
    const std::size_t offset = ReadUint32(block, kListOffsetField);
    if (offset > block.size()) {
        return false;
    }
    const bool wide = ReadUint32(block, kWideField) != 0;
    return ListEndsInside(block, offset, wide ? sizeof(WCHAR) : 1);
}

std::string JoinDroppedPaths(const std::vector<std::string>& paths) {
    if (paths.size() == 1) {
        return paths.front();
    }
    std::string text;
    for (const std::string& path : paths) {
        text += path;
        text += "\r\n";
    }
    return text;
}

std::optional<std::string> DroppedFilesText(HGLOBAL fileList) {
    {
        const GlobalLockGuard lock(fileList);
        if (lock.Data() == nullptr || !IsWellFormedFileList({lock.Data(), lock.Size()})) {
            return std::nullopt;
        }
    }
    const auto drop = static_cast<HDROP>(fileList);
    const UINT count = DragQueryFileA(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::string> paths;
    paths.reserve(count);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileA(drop, i, nullptr, 0);
        std::string path(length + 1, '\0');
        const UINT copied = DragQueryFileA(drop, i, path.data(), length + 1);
        path.resize(copied < length ? copied : length);
        paths.push_back(std::move(path));
    }
    return JoinDroppedPaths(paths);
}

}  // namespace tavrin::platform
