#include "icons/packed_ranges.h"

#include <algorithm>
#include <numeric>

#include "icons/byte_reader.h"

namespace tavrin::icons {

std::optional<PackedRanges> PackRanges(std::span<const std::uint8_t> source,
                                       std::span<const ByteRange> ranges) {
    for (const ByteRange& r : ranges) {
        if (!Fits(source.size(), r.start, r.length)) {
            return std::nullopt;
        }
    }
    std::vector<std::size_t> order(ranges.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(),
              [&](std::size_t a, std::size_t b) { return ranges[a].start < ranges[b].start; });

    // Merge overlapping ranges into runs; each run is copied once.
    struct Run {
        std::uint64_t start;
        std::uint64_t end;
        std::uint64_t packedAt;
    };
    std::vector<Run> runs;
    std::vector<std::size_t> runOf(ranges.size());
    std::uint64_t packedSize = 0;
    for (std::size_t i : order) {
        const ByteRange& r = ranges[i];
        const std::uint64_t end = r.start + r.length;
        if (runs.empty() || r.start >= runs.back().end) {
            if (!runs.empty()) {
                packedSize += runs.back().end - runs.back().start;
            }
            runs.push_back({r.start, end, packedSize});
        } else {
            runs.back().end = std::max(runs.back().end, end);
        }
        runOf[i] = runs.size() - 1;
    }
    if (!runs.empty()) {
        packedSize += runs.back().end - runs.back().start;
    }
    if (packedSize > SIZE_MAX) {
        return std::nullopt;
    }

    // Appended, not zero-filled first: the bytes are written once.
    auto storage = std::make_shared<std::vector<std::uint8_t>>();
    storage->reserve(static_cast<std::size_t>(packedSize));
    for (const Run& run : runs) {
        storage->insert(storage->end(), source.begin() + static_cast<std::ptrdiff_t>(run.start),
                        source.begin() + static_cast<std::ptrdiff_t>(run.end));
    }
    PackedRanges packed;
    packed.offsets.resize(ranges.size());
    for (std::size_t i = 0; i < ranges.size(); ++i) {
        const Run& run = runs[runOf[i]];
        packed.offsets[i] = static_cast<std::size_t>(run.packedAt + (ranges[i].start - run.start));
    }
    packed.storage = std::move(storage);
    return packed;
}

}  // namespace tavrin::icons
