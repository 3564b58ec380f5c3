#pragma once
// Makes NE modules in memory for tests: an MZ stub, the NE header, a
// resource table with numbered and named types and resources, and the
// resources' data padded to the alignment.

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// A type or resource id as NE stores it: a number (the high bit is added
// when written), or a text kept among the table's names.
using NeId = std::variant<std::uint16_t, std::string>;

inline constexpr std::uint16_t kNeIcon = 3;
inline constexpr std::uint16_t kNeGroupIcon = 14;
// What fills a resource's last alignment unit after its bytes.
inline constexpr std::uint8_t kNePadding = 0xCC;

// Where the builder put things, so tests can damage them.
struct NeFile {
    ByteVector bytes;
    std::size_t neHeader = 0;
    std::size_t resourceTable = 0;                      // the alignment shift
    std::vector<std::size_t> typeInfos;                 // one per type record, in order
    std::vector<std::vector<std::size_t>> nameStrings;  // per record, per text-named resource

    // The NAMEINFO of resource `position` of type record `record`.
    std::size_t NameInfo(std::size_t record, std::size_t position) const {
        return typeInfos[record] + 8 + 12 * position;
    }
    void PutU16(std::size_t offset, std::uint16_t value);
    std::uint16_t U16(std::size_t offset) const;
};

class NeBuilder {
  public:
    explicit NeBuilder(std::uint16_t alignShift = 4) : alignShift_(alignShift) {}

    // Adds a resource to the last type record when it has type `type`, else
    // to a new record at the end: adding group, icon, group makes three.
    NeBuilder& Add(const NeId& type, const NeId& name, ByteVector bytes);

    // A module without resources has no resource table: the resident names
    // table starts where it would.
    NeFile Build() const;

  private:
    struct Resource {
        NeId name;
        ByteVector bytes;
    };
    struct TypeRecord {
        NeId type;
        std::vector<Resource> resources;
    };

    std::uint16_t alignShift_;
    std::vector<TypeRecord> records_;
};

}  // namespace tavrin::test
