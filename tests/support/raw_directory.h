#pragma once
// Resource directories laid out byte by byte, for shapes no resource
// compiler makes: shared, overlapping and self-pointing tables and names.

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tests/support/file_bytes.h"
#include "tests/support/pe_builder.h"

namespace tavrin::test {

inline constexpr std::uint32_t kHighBit = 0x80000000;

// The bytes of a resource section, with offsets counted from its start (the
// root table, which Root() fills in last).
class RawDirectory {
  public:
    RawDirectory();

    // Appends `blob` at the next multiple of `align`; returns its offset.
    std::size_t Put(const ByteVector& blob, std::size_t align = 4);
    // A table of (name, target) entries, the first `named` counted as named.
    std::size_t Table(const std::vector<std::pair<std::uint32_t, std::uint32_t>>& entries,
                      std::size_t named = 0);
    // Points entry `index` of the table at `table` to `target`.
    void SetTarget(std::size_t table, std::size_t index, std::uint32_t target);
    // A data entry for `blob`, placed after it.
    std::size_t DataEntry(const ByteVector& blob);
    // A language table with one entry that leads to `blob`.
    std::size_t Leaf(const ByteVector& blob, std::uint32_t language = 0x0409);
    // A text name: its length, then its UTF-16 characters.
    std::size_t Text(const std::u16string& text);
    // The root: RT_ICON and RT_GROUP_ICON leading to the given name tables.
    void Root(std::uint32_t iconNames, std::uint32_t groupNames);

    ByteVector& Bytes() { return bytes_; }

  private:
    ByteVector bytes_;
};

}  // namespace tavrin::test
