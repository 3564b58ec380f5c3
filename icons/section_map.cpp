#include "icons/section_map.h"

#include <algorithm>
#include <set>

namespace tavrin::icons {

SectionMap::SectionMap(std::span<const Section> sections) {
    // Sweep the section boundaries in address order, keeping the sections
    // that cover the stretch between two boundaries ordered by their place
    // in the table; the first of them holds the stretch.
    struct Boundary {
        std::uint64_t rva;
        bool opens;
        std::size_t section;
    };
    std::vector<Boundary> boundaries;
    boundaries.reserve(2 * sections.size());
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const Section& s = sections[i];
        if (s.rawSize != 0) {
            boundaries.push_back({s.virtualAddress, true, i});
            boundaries.push_back({std::uint64_t{s.virtualAddress} + s.rawSize, false, i});
        }
    }
    std::sort(boundaries.begin(), boundaries.end(),
              [](const Boundary& a, const Boundary& b) { return a.rva < b.rva; });

    std::set<std::size_t> covering;
    for (std::size_t i = 0; i < boundaries.size();) {
        const std::uint64_t rva = boundaries[i].rva;
        for (; i < boundaries.size() && boundaries[i].rva == rva; ++i) {
            if (boundaries[i].opens) {
                covering.insert(boundaries[i].section);
            } else {
                covering.erase(boundaries[i].section);
            }
        }
        std::optional<std::uint64_t> fileOffset;
        if (!covering.empty()) {
            const Section& holder = sections[*covering.begin()];
            fileOffset = std::uint64_t{holder.rawOffset} + (rva - holder.virtualAddress);
        }
        // A stretch that continues the piece before it in the same section
        // adds nothing.
        if (!pieces_.empty()) {
            const Piece& last = pieces_.back();
            const bool continues = last.fileOffsetOfStart && fileOffset &&
                                   *last.fileOffsetOfStart + (rva - last.start) == *fileOffset;
            if (continues || (!last.fileOffsetOfStart && !fileOffset)) {
                continue;
            }
        }
        pieces_.push_back({rva, fileOffset});
    }
}

std::optional<std::uint64_t> SectionMap::FileOffset(std::uint64_t rva) const {
    const auto after =
        std::upper_bound(pieces_.begin(), pieces_.end(), rva,
                         [](std::uint64_t r, const Piece& p) { return r < p.start; });
    if (after == pieces_.begin()) {
        return std::nullopt;
    }
    const Piece& piece = *std::prev(after);
    if (!piece.fileOffsetOfStart) {
        return std::nullopt;
    }
    return *piece.fileOffsetOfStart + (rva - piece.start);
}

}  // namespace tavrin::icons
