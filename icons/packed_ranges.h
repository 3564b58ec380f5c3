#pragma once
// Copies byte ranges of a source into one buffer, holding every overlap
// once: memory stays within the source's size however often a file lists
// the same bytes.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "icons/icon_image.h"

namespace tavrin::icons {

struct ByteRange {
    std::uint64_t start = 0;
    std::uint64_t length = 0;
};

struct PackedRanges {
    SharedBytes storage;
    std::vector<std::size_t> offsets;  // where each asked range begins in storage
};

// `read(start, out)` fills `out` with the source's bytes at `start` and says
// whether it could. None when a read fails.
std::optional<PackedRanges> PackRanges(
    std::span<const ByteRange> ranges,
    const std::function<bool(std::uint64_t start, std::span<std::uint8_t> out)>& read);

}  // namespace tavrin::icons
