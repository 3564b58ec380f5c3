#pragma once
// Builds small PE modules in memory, with the offsets of their parts, so a
// test can make any of them wrong.

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

struct PeResource {
    std::uint16_t type = 0;
    std::variant<std::uint16_t, std::u16string> name;
    std::uint16_t language = 0x0409;
    ByteVector data;
};

inline constexpr std::uint32_t kResourceSectionRva = 0x1000;

struct PeOptions {
    bool pe32Plus = false;
    std::uint32_t sectionRva = kResourceSectionRva;
    std::uint32_t rvaAndSizesCount = 16;
    // Sections without bytes, at higher addresses, listed before the
    // resource section.
    std::uint32_t emptySections = 0;
};

struct BuiltPe {
    ByteVector bytes;
    std::size_t optionalHeader = 0;  // file offsets of the parts
    std::size_t resourceDirectoryEntry = 0;
    std::size_t sectionTable = 0;
    std::size_t rootTable = 0;             // the resource section's start
    std::vector<std::size_t> dataEntries;  // one per resource, in given order
    std::vector<std::size_t> typeEntries;  // root entries, sorted as stored
};

// Resources are stored as a PE file keeps them: types, names and languages
// each sorted, named entries before numbered ones.
BuiltPe BuildPe(const std::vector<PeResource>& resources, const PeOptions& options = {});

// A module whose last section, at options.sectionRva, is `section` as given:
// for resource sections no compiler would make.
BuiltPe ModuleAround(const ByteVector& section, const PeOptions& options = {});
ByteVector ModuleWithResourceSection(const ByteVector& section, std::uint32_t emptySections = 0);

}  // namespace tavrin::test
