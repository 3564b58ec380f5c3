#include "tests/support/pe_builder.h"

#include <algorithm>
#include <map>

#include "tests/support/expected_ico.h"

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

void PutAt(ByteVector& out, std::size_t offset, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out[offset + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
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

    BuiltPe built;
    const std::size_t root = table(countNamed(tree), tree.size() - countNamed(tree));
    std::size_t typeSlot = 0;
    for (const auto& [type, names] : tree) {
        const std::size_t typeEntry = root + 16 + 8 * typeSlot++;
        built.typeEntries.push_back(typeEntry);
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
    section.resize((section.size() + 511) & ~std::size_t{511});

    // Headers: DOS header, PE signature, file header, optional header, one
    // section, padded to 0x200.
    ByteVector& out = built.bytes;
    out.assign(0x200, 0);
    PutAt(out, 0, 0x5A4D, 2);
    const std::size_t pe = 0x40;
    PutAt(out, 0x3C, pe, 4);
    PutAt(out, pe, 0x00004550, 4);
    PutAt(out, pe + 4, options.pe32Plus ? 0x8664 : 0x014C, 2);
    PutAt(out, pe + 6, 1, 2);
    const std::size_t optionalSize = (options.pe32Plus ? 112 : 96) + 8 * 16;
    PutAt(out, pe + 20, optionalSize, 2);
    const std::size_t optional = pe + 24;
    built.optionalHeader = optional;
    PutAt(out, optional, options.pe32Plus ? 0x20B : 0x10B, 2);
    PutAt(out, optional + 32, 0x1000, 4);  // SectionAlignment
    PutAt(out, optional + 36, 0x200, 4);   // FileAlignment
    PutAt(out, optional + 60, 0x200, 4);   // SizeOfHeaders
    const std::size_t directories = optional + (options.pe32Plus ? 108 : 92);
    PutAt(out, directories, options.rvaAndSizesCount, 4);
    built.resourceDirectoryEntry = directories + 4 + 2 * 8;
    PutAt(out, built.resourceDirectoryEntry, options.sectionRva, 4);
    PutAt(out, built.resourceDirectoryEntry + 4, section.size(), 4);
    built.sectionTable = optional + optionalSize;
    const std::size_t s = built.sectionTable;
    const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
    std::copy(name, name + 8, out.begin() + static_cast<std::ptrdiff_t>(s));
    PutAt(out, s + 8, section.size(), 4);
    PutAt(out, s + 12, options.sectionRva, 4);
    PutAt(out, s + 16, section.size(), 4);
    PutAt(out, s + 20, 0x200, 4);

    built.rootTable = out.size();
    for (std::size_t& entry : built.typeEntries) {
        entry += built.rootTable;
    }
    for (std::size_t i = 0; i < resources.size(); ++i) {
        built.dataEntries.push_back(built.rootTable + dataEntryOf[i]);
    }
    out.insert(out.end(), section.begin(), section.end());
    return built;
}

ByteVector GroupDirectory(const std::vector<std::uint16_t>& ids) {
    ByteVector out;
    PutLe(out, 0, 2);
    PutLe(out, 1, 2);
    PutLe(out, ids.size(), 2);
    for (std::uint16_t id : ids) {
        PutLe(out, 0x00002020, 4);  // 32 x 32, no colour count, reserved
        PutLe(out, 1, 2);
        PutLe(out, 32, 2);
        PutLe(out, 0, 4);
        PutLe(out, id, 2);
    }
    return out;
}

}  // namespace tavrin::test
