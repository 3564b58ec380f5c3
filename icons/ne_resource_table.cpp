#include "icons/ne_resource_table.h"

#include <algorithm>
#include <map>
#include <utility>

namespace tavrin::icons {
namespace {

// Field offsets, named after the 16-bit structures (IMAGE_OS2_HEADER,
// TYPEINFO, NAMEINFO).
constexpr std::uint16_t kDosMagic = 0x5A4D;          // "MZ"
constexpr std::uint32_t kDosNewHeaderOffset = 0x3C;  // e_lfanew
constexpr std::uint16_t kNeSignature = 0x454E;       // "NE"
constexpr std::uint32_t kResourceTableField = 0x24;  // ne_rsrctab, from the NE header
constexpr std::uint32_t kResidentNamesField = 0x26;  // ne_restab, from the NE header

constexpr std::uint16_t kMaxAlignShift = 15;
constexpr std::uint64_t kTypeInfoSize = 8;   // type id, count, reserved
constexpr std::uint64_t kNameInfoSize = 12;  // offset, length, flags, id, handle, usage
constexpr std::uint64_t kNameInfoLength = 2;
constexpr std::uint64_t kNameInfoId = 6;
// On a type or name id: a number. Without it the id is an offset from the
// resource table to a length-prefixed name.
constexpr std::uint16_t kIntegerId = 0x8000;

// The first record of a numbered type: where its NAMEINFOs lie. Resources
// are read from the file when asked for, so memory does not grow with the
// number of records or names the file claims.
struct NeTypeRecord {
    std::uint64_t names;  // file offset of the first NAMEINFO
    std::uint16_t count;
};

// The name `id` of a NAMEINFO: a number, or the length-prefixed ANSI text at
// that offset from the resource table. None when the text runs past the end.
std::optional<ResourceName> ReadName(Bytes file, std::uint64_t table, std::uint16_t id) {
    if ((id & kIntegerId) != 0) {
        return static_cast<std::uint16_t>(id & ~kIntegerId);
    }
    ByteReader reader(file);
    const std::uint64_t at = table + id;
    const std::uint8_t length = reader.U8(at);
    const Bytes chars = Slice(file, at + 1, length);
    if (!reader.Ok() || chars.size() != length) {
        return std::nullopt;
    }
    // Widened byte for byte: names are compared by their ASCII letters only.
    return std::u16string(chars.begin(), chars.end());
}

class NeResourceTable final : public ResourceTable {
  public:
    NeResourceTable(Bytes file, std::uint64_t table, std::uint16_t shift,
                    std::map<std::uint16_t, NeTypeRecord> records)
        : file_(file), table_(table), shift_(shift), records_(std::move(records)) {}

    std::size_t CountNames(std::uint16_t type) const override { return Readable(type).size(); }

    std::optional<ResourceName> NameAt(std::uint16_t type, std::size_t position) const override {
        const auto& readable = Readable(type);
        if (position >= readable.size()) {
            return std::nullopt;
        }
        return ReadName(file_, table_, NameId(readable[position]));
    }

    ModuleFormat Format() const override { return ModuleFormat::kNe; }

    // NE stores no languages: every resource is neutral.
    std::vector<std::uint16_t> LanguagesAt(std::uint16_t type,
                                           std::size_t position) const override {
        if (position >= Readable(type).size()) {
            return {};
        }
        return {0};
    }

    using ResourceTable::DataAt;
    std::optional<ResourceData> DataAt(std::uint16_t type, std::size_t position,
                                       std::optional<std::uint16_t>) const override {
        const auto& readable = Readable(type);
        if (position >= readable.size()) {
            return std::nullopt;
        }
        return DataOf(readable[position]);
    }

    std::optional<ResourceData> Find(std::uint16_t type, const ResourceName& name) const override {
        for (std::uint64_t info : Readable(type)) {
            const auto stored = ReadName(file_, table_, NameId(info));
            if (stored && SameResourceName(*stored, name)) {
                return DataOf(info);
            }
        }
        return std::nullopt;
    }

    using ResourceTable::FindNumbered;
    std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t type, std::span<const std::uint16_t> ids,
        std::optional<std::uint16_t>) const override {
        const auto& readable = Readable(type);
        // Index the numbered names once; the first of a repeated id wins, as
        // a linear search would find it.
        std::vector<std::pair<std::uint16_t, std::uint64_t>> index;
        for (std::uint64_t info : readable) {
            const std::uint16_t id = NameId(info);
            if ((id & kIntegerId) != 0) {
                index.emplace_back(static_cast<std::uint16_t>(id & ~kIntegerId), info);
            }
        }
        std::stable_sort(index.begin(), index.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<std::optional<ResourceData>> found(ids.size());
        for (std::size_t k = 0; k < ids.size(); ++k) {
            const auto hit = std::lower_bound(
                index.begin(), index.end(), ids[k],
                [](const auto& entry, std::uint16_t id) { return entry.first < id; });
            if (hit != index.end() && hit->first == ids[k]) {
                found[k] = DataOf(hit->second);
            }
        }
        return found;
    }

  private:
    std::uint16_t NameId(std::uint64_t info) const {
        return ByteReader(file_).U16(info + kNameInfoId);
    }

    // The NAMEINFOs of the numbered `type` whose names can be read, in
    // stored order: a name that cannot be read is not there at all. Worked
    // out once per type; a table is used by one thread at a time.
    const std::vector<std::uint64_t>& Readable(std::uint16_t type) const {
        auto known = readable_.find(type);
        if (known != readable_.end()) {
            return known->second;
        }
        std::vector<std::uint64_t> infos;
        // A type named by text never matches a number.
        const auto record = (type & kIntegerId) != 0
                                ? records_.end()
                                : records_.find(static_cast<std::uint16_t>(type | kIntegerId));
        if (record != records_.end()) {
            for (std::uint64_t i = 0; i < record->second.count; ++i) {
                const std::uint64_t info = record->second.names + i * kNameInfoSize;
                if (NameIsReadable(NameId(info))) {
                    infos.push_back(info);
                }
            }
        }
        return readable_.emplace(type, std::move(infos)).first->second;
    }

    bool NameIsReadable(std::uint16_t id) const {
        if ((id & kIntegerId) != 0) {
            return true;
        }
        ByteReader reader(file_);
        const std::uint8_t length = reader.U8(table_ + id);
        return reader.Ok() && Fits(file_.size(), table_ + id + 1, length);
    }

    // Offsets and lengths count alignment units; with a shift of at most 15
    // they stay below 2^31.
    std::optional<ResourceData> DataOf(std::uint64_t info) const {
        ByteReader reader(file_);
        const std::uint64_t offset = std::uint64_t{reader.U16(info)} << shift_;
        const std::uint64_t length = std::uint64_t{reader.U16(info + kNameInfoLength)} << shift_;
        if (!reader.Ok() || !Fits(file_.size(), offset, length)) {
            return std::nullopt;
        }
        return ResourceData{Slice(file_, offset, length), true};
    }

    Bytes file_;
    std::uint64_t table_;
    std::uint16_t shift_;
    std::map<std::uint16_t, NeTypeRecord> records_;  // by stored id
    mutable std::map<std::uint16_t, std::vector<std::uint64_t>> readable_;
};

// The first record of each numbered type in the table at `table`; none when
// a record, or the end marker, lies past the file's end.
std::optional<std::map<std::uint16_t, NeTypeRecord>> ReadTypes(Bytes file, std::uint64_t table) {
    ByteReader reader(file);
    std::map<std::uint16_t, NeTypeRecord> records;
    // Every record moves `at` on by at least kTypeInfoSize and every read is
    // bounded by the file, so the walk ends within size / kTypeInfoSize steps.
    std::uint64_t at = table + 2;
    for (;;) {
        const std::uint16_t typeId = reader.U16(at);
        if (!reader.Ok()) {
            return std::nullopt;
        }
        if (typeId == 0) {
            return records;
        }
        const std::uint16_t count = reader.U16(at + 2);
        const std::uint64_t names = at + kTypeInfoSize;
        if (!reader.Ok() || !Fits(file.size(), names, count * kNameInfoSize)) {
            return std::nullopt;
        }
        // Only the first record of a type is ever read.
        if ((typeId & kIntegerId) != 0) {
            records.try_emplace(typeId, NeTypeRecord{names, count});
        }
        at = names + count * kNameInfoSize;
    }
}

}  // namespace

std::unique_ptr<ResourceTable> ReadNeResources(Bytes file) {
    ByteReader reader(file);
    if (reader.U16(0) != kDosMagic) {
        return nullptr;
    }
    const std::uint64_t header = reader.U32(kDosNewHeaderOffset);
    const std::uint16_t signature = reader.U16(header);
    const std::uint16_t resourceTable = reader.U16(header + kResourceTableField);
    const std::uint16_t residentNames = reader.U16(header + kResidentNamesField);
    if (!reader.Ok() || signature != kNeSignature) {
        return nullptr;
    }
    // A module without resources gives its resource table no room: the
    // resident names follow at the same offset.
    const std::uint64_t table = header + resourceTable;
    const std::uint16_t shift = reader.U16(table);
    if (resourceTable == residentNames || !reader.Ok() || shift > kMaxAlignShift) {
        return std::make_unique<NeResourceTable>(file, table, 0,
                                                 std::map<std::uint16_t, NeTypeRecord>{});
    }
    auto records = ReadTypes(file, table);
    return std::make_unique<NeResourceTable>(
        file, table, shift,
        records ? std::move(*records) : std::map<std::uint16_t, NeTypeRecord>{});
}

}  // namespace tavrin::icons
