#pragma once
// Where a module's RVAs lie in its file, looked up in logarithmic time
// however many sections the file declares.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrin::icons {

struct Section {
    std::uint32_t virtualAddress;
    std::uint32_t rawSize;
    std::uint32_t rawOffset;
};

class SectionMap {
  public:
    // Where sections overlap, the one listed first holds the address, as a
    // walk of the section table in order would find it.
    explicit SectionMap(std::span<const Section> sections);

    // The file offset of `rva`, or none when no section holds it.
    std::optional<std::uint64_t> FileOffset(std::uint64_t rva) const;

  private:
    struct Piece {
        std::uint64_t start;                             // RVA; a piece ends where the next begins
        std::optional<std::uint64_t> fileOffsetOfStart;  // none in a gap
    };
    std::vector<Piece> pieces_;  // sorted by start
};

}  // namespace tavrin::icons
