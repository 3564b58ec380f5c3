#pragma once
// Copies byte ranges of a source into one buffer, holding every overlap
// once: memory stays within the source's size however often a file lists
// the same bytes.

#include <cstdint>
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

// Copies the `ranges` of `source` once each. None when a range does not lie
// inside `source`.
std::optional<PackedRanges> PackRanges(std::span<const std::uint8_t> source,
                                       std::span<const ByteRange> ranges);

}  // namespace tavrin::icons
