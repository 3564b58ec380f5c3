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

// `append(start, length, out)` appends the source's `length` bytes at
// `start` to `out` and says whether it could. None when an append fails.
using AppendBytes =
    std::function<bool(std::uint64_t start, std::uint64_t length, std::vector<std::uint8_t>& out)>;

std::optional<PackedRanges> PackRanges(std::span<const ByteRange> ranges,
                                       const AppendBytes& append);

}  // namespace tavrin::icons
