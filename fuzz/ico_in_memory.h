#pragma once
// The harnesses' writer: an icon set laid out in memory, checked against the
// size the writer announces beforehand.

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <vector>

#include "icons/ico_file.h"

namespace tavrin::fuzz {

// Files larger than this are streamed through (every byte still read) but
// not kept, so that an input repeating one image thousands of times stays
// quick to run.
inline constexpr std::uint64_t kLargestKeptFile = std::uint64_t{16} << 20;

// The file's bytes, or none when the set cannot be written or the file is
// too large to keep. Aborts when the writer breaks its own size promise.
inline std::optional<std::vector<std::uint8_t>> WriteIcoToMemory(const icons::IconImageSet& set) {
    const std::optional<std::uint64_t> announced = icons::WritableIcoFileSize(set);
    const bool keep = announced && *announced <= kLargestKeptFile;
    std::vector<std::uint8_t> file;
    std::uint64_t total = 0;
    std::array<std::uint8_t, 1 << 16> scratch;
    const bool written = icons::SerializeIco(set, [&](icons::Bytes piece) {
        total += piece.size();
        if (keep) {
            file.insert(file.end(), piece.begin(), piece.end());
            return true;
        }
        for (std::size_t at = 0; at < piece.size(); at += scratch.size()) {
            const std::size_t n = std::min(scratch.size(), piece.size() - at);
            std::memcpy(scratch.data(), piece.data() + at, n);
        }
        return true;
    });
    if (written != announced.has_value() || (written && total != *announced)) {
        std::abort();
    }
    if (!written || !keep) {
        return std::nullopt;
    }
    return file;
}

}  // namespace tavrin::fuzz
