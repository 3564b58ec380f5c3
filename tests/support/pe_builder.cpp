#include "tests/support/pe_builder.h"

#include <algorithm>
#include <map>

#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

using Name = std::variant<std::uint16_t, std::u16string>;

// Named entries first, each kind sorted, as resource compilers store them.
bool StoredBefore(const Name& a, const Name& b) {
    if (a.index() != b.index()) {
        return a.index() == 1;
    }
    return a < b;
}

struct NameLess {
    bool operator()(const Name& a, const Name& b) const { return StoredBefore(a, b); }
};

constexpr std::size_t kFileAlignment = 0x200;

std::size_t RoundUp(std::size_t value, std::size_t unit) {
    return (value + unit - 1) / unit * unit;
}

}  // namespace

BuiltPe BuildPe(const std::vector<PeResource>& resources, const PeOptions& options) {
    // type -> name -> language -> resource index
    std::map<Name, std::map<Name, std::map<std::uint16_t, std::size_t>, NameLess>, NameLess> tree;
    for (std::size_t i = 0; i < resources.size(); ++i) {
        tree[Name(resources[i].type)][resources[i].name][resources[i].language] = i;
    }

    // Resource section: tables first, then data entries, strings and data.
    ByteVector section;
    auto table = [&](std::size_t named, std::size_t numbered) {
        const std::size_t at = section.size();
        section.resize(at + 16 + 8 * (named + numbered));
        PutAt(section, at + 12, named, 2);
        PutAt(section, at + 14, numbered, 2);
        return at;
    };
    auto countNamed = [](const auto& level) {
        return static_cast<std::size_t>(std::count_if(
            level.begin(), level.end(), [](const auto& item) { return item.first.index() == 1; }));
    };
    struct Patch {
        std::size_t entry;
        Name name;
    };
    std::vector<Patch> namePatches;
    std::vector<std::pair<std::size_t, std::size_t>> dataPatches;  // entry field, resource

    std::vector<std::size_t> typeEntries;  // in the section
    const std::size_t root = table(countNamed(tree), tree.size() - countNamed(tree));
    std::size_t typeSlot = 0;
    for (const auto& [type, names] : tree) {
        const std::size_t typeEntry = root + 16 + 8 * typeSlot++;
        typeEntries.push_back(typeEntry);
        namePatches.push_back({typeEntry, type});
        const std::size_t nameTable = table(countNamed(names), names.size() - countNamed(names));
        PutAt(section, typeEntry + 4, 0x80000000u | nameTable, 4);
        std::size_t nameSlot = 0;
        for (const auto& [name, languages] : names) {
            const std::size_t nameEntry = nameTable + 16 + 8 * nameSlot++;
            namePatches.push_back({nameEntry, name});
            const std::size_t languageTable = table(0, languages.size());
            PutAt(section, nameEntry + 4, 0x80000000u | languageTable, 4);
            std::size_t languageSlot = 0;
            for (const auto& [language, index] : languages) {
                const std::size_t languageEntry = languageTable + 16 + 8 * languageSlot++;
                PutAt(section, languageEntry, language, 4);
                dataPatches.emplace_back(languageEntry + 4, index);
            }
        }
    }
    std::vector<std::size_t> dataEntryOf(resources.size());
    for (const auto& [field, index] : dataPatches) {
        dataEntryOf[index] = section.size();
        PutAt(section, field, section.size(), 4);
        section.resize(section.size() + 16);
    }
    for (const Patch& patch : namePatches) {
        if (const auto* number = std::get_if<std::uint16_t>(&patch.name)) {
            PutAt(section, patch.entry, *number, 4);
            continue;
        }
        const auto& text = std::get<std::u16string>(patch.name);
        PutAt(section, patch.entry, 0x80000000u | section.size(), 4);
        PutLe(section, text.size(), 2);
        for (char16_t c : text) {
            PutLe(section, c, 2);
        }
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        section.resize((section.size() + 3) & ~std::size_t{3});
        PutAt(section, dataEntryOf[i], options.sectionRva + section.size(), 4);
        PutAt(section, dataEntryOf[i] + 4, resources[i].data.size(), 4);
        section.insert(section.end(), resources[i].data.begin(), resources[i].data.end());
    }
    section.resize(RoundUp(section.size(), kFileAlignment));

    BuiltPe built = ModuleAround(section, options);
    for (std::size_t entry : typeEntries) {
        built.typeEntries.push_back(built.rootTable + entry);
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        built.dataEntries.push_back(built.rootTable + dataEntryOf[i]);
    }
    return built;
}

BuiltPe ModuleAround(const ByteVector& section, const PeOptions& options) {
    BuiltPe built;
    const std::size_t pe = 0x40;
    const std::size_t optional = pe + 24;
    const std::size_t optionalSize = (options.pe32Plus ? 112 : 96) + 8 * 16;
    const std::size_t sectionCount = std::size_t{options.emptySections} + 1;
    built.optionalHeader = optional;
    built.sectionTable = optional + optionalSize;
    built.rootTable = RoundUp(built.sectionTable + 40 * sectionCount, kFileAlignment);
    const std::size_t rawSize = RoundUp(section.size(), kFileAlignment);

    ByteVector& out = built.bytes;
    out.assign(built.rootTable + rawSize, 0);
    PutAt(out, 0, 0x5A4D, 2);  // "MZ"
    PutAt(out, 0x3C, pe, 4);
    PutAt(out, pe, 0x00004550, 4);  // "PE\0\0"
    PutAt(out, pe + 4, options.pe32Plus ? 0x8664 : 0x014C, 2);
    PutAt(out, pe + 6, sectionCount, 2);
    PutAt(out, pe + 20, optionalSize, 2);
    PutAt(out, optional, options.pe32Plus ? 0x20B : 0x10B, 2);
    PutAt(out, optional + 32, 0x1000, 4);           // SectionAlignment
    PutAt(out, optional + 36, kFileAlignment, 4);   // FileAlignment
    PutAt(out, optional + 60, built.rootTable, 4);  // SizeOfHeaders
    const std::size_t directories = optional + (options.pe32Plus ? 108 : 92);
    PutAt(out, directories, options.rvaAndSizesCount, 4);
    built.resourceDirectoryEntry = directories + 4 + 2 * 8;
    PutAt(out, built.resourceDirectoryEntry, options.sectionRva, 4);
    PutAt(out, built.resourceDirectoryEntry + 4, section.size(), 4);
    for (std::size_t i = 0; i < options.emptySections; ++i) {
        const std::size_t header = built.sectionTable + 40 * i;
        PutAt(out, header + 8, 0x1000, 4);                    // VirtualSize
        PutAt(out, header + 12, 0x10000000 + 0x1000 * i, 4);  // VirtualAddress
    }
    const std::size_t s = built.sectionTable + 40 * options.emptySections;
    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    std::copy(name, name + 8, out.begin() + static_cast<std::ptrdiff_t>(s));
    PutAt(out, s + 8, section.size(), 4);
    PutAt(out, s + 12, options.sectionRva, 4);
    PutAt(out, s + 16, rawSize, 4);
    PutAt(out, s + 20, built.rootTable, 4);
    std::copy(section.begin(), section.end(),
              out.begin() + static_cast<std::ptrdiff_t>(built.rootTable));
    return built;
}

ByteVector ModuleWithResourceSection(const ByteVector& section, std::uint32_t emptySections) {
    return ModuleAround(section, {.emptySections = emptySections}).bytes;
}

}  // namespace tavrin::test
