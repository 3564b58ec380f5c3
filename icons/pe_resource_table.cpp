#include "icons/pe_resource_table.h"

#include <algorithm>
#include <map>
#include <unordered_map>
#include <utility>
#include <variant>

#include "icons/language_choice.h"
#include "icons/section_map.h"

namespace tavrin::icons {
namespace {

// Field offsets, named after the structures of winnt.h.
constexpr std::uint16_t kDosMagic = 0x5A4D;          // "MZ"
constexpr std::uint32_t kDosNewHeaderOffset = 0x3C;  // e_lfanew
constexpr std::uint32_t kPeSignature = 0x00004550;   // "PE\0\0"
constexpr std::uint32_t kFileHeaderSize = 20;
constexpr std::uint32_t kNumberOfSections = 2;       // in IMAGE_FILE_HEADER
constexpr std::uint32_t kSizeOfOptionalHeader = 16;  // in IMAGE_FILE_HEADER
constexpr std::uint16_t kPe32Magic = 0x10B;
constexpr std::uint16_t kPe32PlusMagic = 0x20B;
constexpr std::uint32_t kSizeOfHeaders = 60;  // in both optional headers
constexpr std::uint32_t kResourceDirectoryIndex = 2;
constexpr std::uint32_t kDataDirectorySize = 8;
constexpr std::uint32_t kSectionHeaderSize = 40;

constexpr std::uint32_t kTableHeaderSize = 16;  // IMAGE_RESOURCE_DIRECTORY
constexpr std::uint32_t kTableEntrySize = 8;    // IMAGE_RESOURCE_DIRECTORY_ENTRY
constexpr std::uint32_t kDataEntrySize = 16;    // IMAGE_RESOURCE_DATA_ENTRY
constexpr std::uint32_t kHighBit = 0x80000000;

struct TableEntry {
    std::uint32_t name;    // a number, or with the high bit an offset to a text
    std::uint32_t target;  // with the high bit a table, else a data entry
};

// Maps RVAs to file offsets as the loader does for a module loaded as a data
// file, and reads through that mapping with every read bounded by the file.
class PeImage {
  public:
    PeImage(Bytes file, std::uint32_t sizeOfHeaders, std::span<const Section> sections)
        : file_(file), sizeOfHeaders_(sizeOfHeaders), sections_(sections) {}

    // The file bytes at `rva`, `count` long; empty when they are not all in
    // the file.
    Bytes At(std::uint64_t rva, std::uint64_t count) const {
        if (const auto offset = sections_.FileOffset(rva)) {
            return Slice(file_, *offset, count);
        }
        if (rva < sizeOfHeaders_) {
            return Slice(file_, rva, count);
        }
        return {};
    }

    std::size_t FileSize() const { return file_.size(); }

  private:
    Bytes file_;
    std::uint32_t sizeOfHeaders_;
    SectionMap sections_;
};

// How much of the directory one search over many names may read: a few
// times the file's size. Directories whose tables and names do not overlap
// are read whole well within it; only overlapping ones, laid out to be read
// again and again, run out, and the search then finds nothing more.
class ReadAllowance {
  public:
    explicit ReadAllowance(std::size_t fileSize) : left_(4 * std::uint64_t{fileSize} + kSlack) {}

    bool Spend(std::uint64_t bytes) {
        if (bytes > left_) {
            left_ = 0;
            return false;
        }
        left_ -= bytes;
        return true;
    }

  private:
    static constexpr std::uint64_t kSlack = 1 << 16;
    std::uint64_t left_;
};

class PeResourceTable final : public ResourceTable {
  public:
    PeResourceTable(PeImage image, std::uint32_t rootRva, ModuleFormat format,
                    std::optional<std::uint16_t> userLanguage)
        : image_(std::move(image)),
          rootRva_(rootRva),
          format_(format),
          userLanguage_(userLanguage) {}

    ModuleFormat Format() const override { return format_; }

    std::vector<std::uint16_t> LanguagesAt(std::uint16_t type,
                                           std::size_t position) const override {
        const auto& entries = NameEntries(type);
        if (position >= entries.size()) {
            return {};
        }
        ReadAllowance allowance(image_.FileSize());
        const auto languages = SubTable(entries[position], &allowance);
        std::vector<std::uint16_t> ids;
        for (const TableEntry& entry : languages.value_or(std::vector<TableEntry>{})) {
            ids.push_back(static_cast<std::uint16_t>(entry.name));
        }
        return ids;
    }

    std::size_t CountNames(std::uint16_t type) const override { return NameEntries(type).size(); }

    std::optional<ResourceName> NameAt(std::uint16_t type, std::size_t position) const override {
        const auto& entries = NameEntries(type);
        if (position >= entries.size()) {
            return std::nullopt;
        }
        return NameOf(entries[position]);
    }

    using ResourceTable::DataAt;
    std::optional<ResourceData> DataAt(std::uint16_t type, std::size_t position,
                                       std::optional<std::uint16_t> wanted) const override {
        const auto& entries = NameEntries(type);
        if (position >= entries.size()) {
            return std::nullopt;
        }
        ReadAllowance allowance(image_.FileSize());
        return DataOfName(entries[position], allowance, wanted);
    }

    std::optional<ResourceData> Find(std::uint16_t type, const ResourceName& name) const override {
        ReadAllowance allowance(image_.FileSize());
        const auto* text = std::get_if<std::u16string>(&name);
        for (const TableEntry& entry : NameEntries(type)) {
            if ((entry.name & kHighBit) == 0) {
                if (!text &&
                    static_cast<std::uint16_t>(entry.name) == std::get<std::uint16_t>(name)) {
                    return DataOfName(entry, allowance);
                }
                continue;
            }
            // Texts of another length are told apart by their length alone.
            if (!text || NameLength(entry) != text->size()) {
                continue;
            }
            if (!allowance.Spend(2 * text->size())) {
                return std::nullopt;
            }
            const auto entryName = NameOf(entry);
            if (entryName && SameResourceName(*entryName, name)) {
                return DataOfName(entry, allowance);
            }
        }
        return std::nullopt;
    }

    using ResourceTable::FindNumbered;
    std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t type, std::span<const std::uint16_t> ids,
        std::optional<std::uint16_t> wanted) const override {
        std::vector<std::optional<ResourceData>> found(ids.size());
        const auto& nameTable = NameEntries(type);
        // Index the numbered names once; the first of a repeated id wins, as
        // a linear search would find it.
        std::vector<std::pair<std::uint16_t, std::size_t>> index;
        for (std::size_t i = 0; i < nameTable.size(); ++i) {
            if ((nameTable[i].name & kHighBit) == 0) {
                index.emplace_back(static_cast<std::uint16_t>(nameTable[i].name), i);
            }
        }
        // Compilers store numbered names sorted; only a hand-made table pays
        // for sorting.
        const auto byId = [](const auto& a, const auto& b) { return a.first < b.first; };
        if (!std::is_sorted(index.begin(), index.end(), byId)) {
            std::stable_sort(index.begin(), index.end(), byId);
        }
        // A group may name one image many times, and names may share their
        // language table: each table is read once.
        std::unordered_map<std::uint32_t, std::optional<ResourceData>> byLanguageTable;
        ReadAllowance allowance(image_.FileSize());
        for (std::size_t k = 0; k < ids.size(); ++k) {
            const auto hit = std::lower_bound(
                index.begin(), index.end(), ids[k],
                [](const auto& entry, std::uint16_t id) { return entry.first < id; });
            if (hit != index.end() && hit->first == ids[k]) {
                const TableEntry& entry = nameTable[hit->second];
                auto [known, fresh] = byLanguageTable.try_emplace(entry.target);
                if (fresh) {
                    known->second = DataOfName(entry, allowance, wanted);
                }
                found[k] = known->second;
            }
        }
        return found;
    }

  private:
    // The entries of the table at `offset` from the resource root; none when
    // the table does not lie wholly inside the file or the allowance, if
    // any, does not cover it.
    std::optional<std::vector<TableEntry>> Table(std::uint32_t offset,
                                                 ReadAllowance* allowance = nullptr) const {
        const std::uint64_t rva = std::uint64_t{rootRva_} + offset;
        ByteReader header(image_.At(rva, kTableHeaderSize));
        const std::uint32_t count = std::uint32_t{header.U16(12)} + header.U16(14);
        const std::uint64_t entriesSize = std::uint64_t{count} * kTableEntrySize;
        if (!header.Ok() || (allowance && !allowance->Spend(kTableHeaderSize + entriesSize))) {
            return std::nullopt;
        }
        // Checked against the file before anything is allocated for it.
        const Bytes entryBytes = image_.At(rva + kTableHeaderSize, entriesSize);
        if (entryBytes.size() != entriesSize) {
            return std::nullopt;
        }
        ByteReader entries(entryBytes);
        std::vector<TableEntry> table(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            table[i] = {entries.U32(i * kTableEntrySize), entries.U32(i * kTableEntrySize + 4)};
        }
        return table;
    }

    std::optional<std::vector<TableEntry>> SubTable(const TableEntry& entry,
                                                    ReadAllowance* allowance = nullptr) const {
        if ((entry.target & kHighBit) == 0) {
            return std::nullopt;  // data where a table belongs
        }
        return Table(entry.target & ~kHighBit, allowance);
    }

    // The name level of `type`: the resource walk is exactly type, name,
    // language, so no table can lead back to one above it.
    std::optional<std::vector<TableEntry>> TypeTable(std::uint16_t type) const {
        const auto root = Table(0);
        if (!root) {
            return std::nullopt;
        }
        for (const TableEntry& entry : *root) {
            if ((entry.name & kHighBit) == 0 && static_cast<std::uint16_t>(entry.name) == type) {
                return SubTable(entry);
            }
        }
        return std::nullopt;
    }

    // The name level of `type` without the names that cannot be read. Every
    // operation starts here, so each type's level is read once and kept; a
    // table is used by one thread at a time.
    const std::vector<TableEntry>& NameEntries(std::uint16_t type) const {
        auto level = nameLevels_.find(type);
        if (level == nameLevels_.end()) {
            auto table = TypeTable(type).value_or(std::vector<TableEntry>{});
            std::erase_if(table,
                          [this](const TableEntry& entry) { return !NameIsReadable(entry); });
            level = nameLevels_.emplace(type, std::move(table)).first;
        }
        return level->second;
    }

    // The length of a text name, or none when it cannot be read.
    std::optional<std::uint16_t> NameLength(const TableEntry& entry) const {
        ByteReader length(image_.At(std::uint64_t{rootRva_} + (entry.name & ~kHighBit), 2));
        const std::uint16_t count = length.U16(0);
        return length.Ok() ? std::optional(count) : std::nullopt;
    }

    bool NameIsReadable(const TableEntry& entry) const {
        if ((entry.name & kHighBit) == 0) {
            return true;
        }
        const std::uint64_t rva = std::uint64_t{rootRva_} + (entry.name & ~kHighBit);
        const auto count = NameLength(entry);
        return count && image_.At(rva + 2, std::uint64_t{*count} * 2).size() == *count * 2u;
    }

    std::optional<ResourceName> NameOf(const TableEntry& entry) const {
        if ((entry.name & kHighBit) == 0) {
            return static_cast<std::uint16_t>(entry.name);
        }
        const std::uint64_t rva = std::uint64_t{rootRva_} + (entry.name & ~kHighBit);
        const auto count = NameLength(entry);
        const Bytes charBytes = count ? image_.At(rva + 2, std::uint64_t{*count} * 2) : Bytes{};
        if (!count || charBytes.size() != *count * 2u) {
            return std::nullopt;
        }
        ByteReader chars(charBytes);
        std::u16string text(*count, u'\0');
        for (std::uint16_t i = 0; i < *count; ++i) {
            text[i] = static_cast<char16_t>(chars.U16(std::uint64_t{i} * 2));
        }
        return text;
    }

    std::optional<ResourceData> DataOfName(
        const TableEntry& nameEntry, ReadAllowance& allowance,
        std::optional<std::uint16_t> wanted = std::nullopt) const {
        const auto languages = SubTable(nameEntry, &allowance);
        if (!languages || languages->empty()) {
            return std::nullopt;
        }
        std::vector<std::uint16_t> ids;
        ids.reserve(languages->size());
        for (const TableEntry& entry : *languages) {
            ids.push_back(static_cast<std::uint16_t>(entry.name));
        }
        const auto chosen = ChooseLanguage(ids, userLanguage_, wanted);
        const TableEntry& entry = (*languages)[*chosen];
        if ((entry.target & kHighBit) != 0) {
            return std::nullopt;  // a table where data belongs
        }
        ByteReader data(image_.At(std::uint64_t{rootRva_} + entry.target, kDataEntrySize));
        const std::uint32_t dataRva = data.U32(0);
        const std::uint32_t size = data.U32(4);
        if (!data.Ok()) {
            return std::nullopt;
        }
        const Bytes bytes = image_.At(dataRva, size);
        if (bytes.size() != size) {
            return std::nullopt;
        }
        return ResourceData{bytes, false};
    }

    PeImage image_;
    std::uint32_t rootRva_;
    ModuleFormat format_;
    std::optional<std::uint16_t> userLanguage_;
    mutable std::map<std::uint16_t, std::vector<TableEntry>> nameLevels_;
};

// A module whose resource directory is absent.
class EmptyResourceTable final : public ResourceTable {
  public:
    explicit EmptyResourceTable(ModuleFormat format) : format_(format) {}

    ModuleFormat Format() const override { return format_; }
    std::vector<std::uint16_t> LanguagesAt(std::uint16_t, std::size_t) const override { return {}; }
    std::size_t CountNames(std::uint16_t) const override { return 0; }
    std::optional<ResourceName> NameAt(std::uint16_t, std::size_t) const override {
        return std::nullopt;
    }
    using ResourceTable::DataAt;
    std::optional<ResourceData> DataAt(std::uint16_t, std::size_t,
                                       std::optional<std::uint16_t>) const override {
        return std::nullopt;
    }
    std::optional<ResourceData> Find(std::uint16_t, const ResourceName&) const override {
        return std::nullopt;
    }
    using ResourceTable::FindNumbered;
    std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t, std::span<const std::uint16_t> ids,
        std::optional<std::uint16_t>) const override {
        return std::vector<std::optional<ResourceData>>(ids.size());
    }

  private:
    ModuleFormat format_;
};

}  // namespace

std::unique_ptr<ResourceTable> ReadPeResources(Bytes file,
                                               std::optional<std::uint16_t> userLanguage) {
    ByteReader reader(file);
    if (reader.U16(0) != kDosMagic) {
        return nullptr;
    }
    const std::uint64_t pe = reader.U32(kDosNewHeaderOffset);
    if (reader.U32(pe) != kPeSignature) {
        return nullptr;
    }
    const std::uint64_t fileHeader = pe + 4;
    const std::uint16_t sectionCount = reader.U16(fileHeader + kNumberOfSections);
    const std::uint16_t optionalSize = reader.U16(fileHeader + kSizeOfOptionalHeader);
    const std::uint64_t optional = fileHeader + kFileHeaderSize;
    const std::uint16_t magic = reader.U16(optional);
    if (!reader.Ok() || (magic != kPe32Magic && magic != kPe32PlusMagic)) {
        return nullptr;
    }
    const std::uint64_t rvaCountField = optional + (magic == kPe32Magic ? 92 : 108);
    const std::uint64_t directories = rvaCountField + 4;
    const std::uint32_t sizeOfHeaders = reader.U32(optional + kSizeOfHeaders);
    const std::uint32_t directoryCount = reader.U32(rvaCountField);
    if (!reader.Ok()) {
        return nullptr;
    }
    const ModuleFormat format = magic == kPe32Magic ? ModuleFormat::kPe32 : ModuleFormat::kPe32Plus;
    if (directoryCount <= kResourceDirectoryIndex) {
        return std::make_unique<EmptyResourceTable>(format);
    }
    // Only the RVA counts: Windows neither trusts nor needs the Size field.
    const std::uint32_t resourceRva =
        reader.U32(directories + kResourceDirectoryIndex * kDataDirectorySize);
    if (!reader.Ok()) {
        return nullptr;
    }
    if (resourceRva == 0) {
        return std::make_unique<EmptyResourceTable>(format);
    }

    // Sections past the end of the file are left out; their RVAs map nowhere.
    std::vector<Section> sections;
    const std::uint64_t sectionTable = optional + optionalSize;
    for (std::uint32_t i = 0; i < sectionCount; ++i) {
        ByteReader header(
            Slice(file, sectionTable + std::uint64_t{i} * kSectionHeaderSize, kSectionHeaderSize));
        const Section section{header.U32(12), header.U32(16), header.U32(20)};
        if (!header.Ok()) {
            break;
        }
        sections.push_back(section);
    }
    return std::make_unique<PeResourceTable>(PeImage(file, sizeOfHeaders, sections), resourceRva,
                                             format, userLanguage);
}

}  // namespace tavrin::icons
