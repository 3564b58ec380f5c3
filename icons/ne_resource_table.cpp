#include "icons/ne_resource_table.h"

#include <algorithm>
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

struct NeResource {
    ResourceName name;
    std::optional<Bytes> data;  // none when it does not lie inside the file
};

struct NeType {
    std::uint16_t id;
    std::vector<NeResource> resources;  // in stored order
};

class NeResourceTable final : public ResourceTable {
  public:
    explicit NeResourceTable(std::vector<NeType> types) : types_(std::move(types)) {}

    std::size_t CountNames(std::uint16_t type) const override { return ResourcesOf(type).size(); }

    std::optional<ResourceName> NameAt(std::uint16_t type, std::size_t position) const override {
        const auto resources = ResourcesOf(type);
        if (position >= resources.size()) {
            return std::nullopt;
        }
        return resources[position].name;
    }

    std::optional<ResourceData> DataAt(std::uint16_t type, std::size_t position) const override {
        const auto resources = ResourcesOf(type);
        if (position >= resources.size()) {
            return std::nullopt;
        }
        return DataOf(resources[position]);
    }

    std::optional<ResourceData> Find(std::uint16_t type, const ResourceName& name) const override {
        for (const NeResource& resource : ResourcesOf(type)) {
            if (SameResourceName(resource.name, name)) {
                return DataOf(resource);
            }
        }
        return std::nullopt;
    }

    std::vector<std::optional<ResourceData>> FindNumbered(
        std::uint16_t type, std::span<const std::uint16_t> ids) const override {
        const auto resources = ResourcesOf(type);
        // Index the numbered names once; the first of a repeated id wins, as
        // a linear search would find it.
        std::vector<std::pair<std::uint16_t, std::size_t>> index;
        for (std::size_t i = 0; i < resources.size(); ++i) {
            if (const auto* number = std::get_if<std::uint16_t>(&resources[i].name)) {
                index.emplace_back(*number, i);
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
                found[k] = DataOf(resources[hit->second]);
            }
        }
        return found;
    }

  private:
    // The resources of the first record of the numbered `type`; a type
    // named by text never matches a number.
    std::span<const NeResource> ResourcesOf(std::uint16_t type) const {
        if ((type & kIntegerId) != 0) {
            return {};
        }
        const auto stored = static_cast<std::uint16_t>(type | kIntegerId);
        for (const NeType& record : types_) {
            if (record.id == stored) {
                return record.resources;
            }
        }
        return {};
    }

    static std::optional<ResourceData> DataOf(const NeResource& resource) {
        if (!resource.data) {
            return std::nullopt;
        }
        return ResourceData{*resource.data, true};
    }

    std::vector<NeType> types_;
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

// The type records of the table at `table`; none when the alignment shift
// is out of range or a record, or the end marker, lies past the file's end.
std::optional<std::vector<NeType>> ReadTypes(Bytes file, std::uint64_t table) {
    ByteReader reader(file);
    const std::uint16_t shift = reader.U16(table);
    if (!reader.Ok() || shift > kMaxAlignShift) {
        return std::nullopt;
    }
    std::vector<NeType> types;
    // Every record moves `at` on by at least kTypeInfoSize and every read is
    // bounded by the file, so the walk ends within size / kTypeInfoSize steps.
    std::uint64_t at = table + 2;
    for (;;) {
        const std::uint16_t typeId = reader.U16(at);
        if (!reader.Ok()) {
            return std::nullopt;
        }
        if (typeId == 0) {
            return types;
        }
        const std::uint16_t count = reader.U16(at + 2);
        const std::uint64_t names = at + kTypeInfoSize;
        if (!reader.Ok() || !Fits(file.size(), names, count * kNameInfoSize)) {
            return std::nullopt;
        }
        NeType type{typeId, {}};
        type.resources.reserve(count);
        for (std::uint64_t i = 0; i < count; ++i) {
            const std::uint64_t info = names + i * kNameInfoSize;
            // Offsets and lengths count alignment units; with a shift of at
            // most 15 they stay below 2^31.
            const std::uint64_t offset = std::uint64_t{reader.U16(info)} << shift;
            const std::uint64_t length = std::uint64_t{reader.U16(info + kNameInfoLength)} << shift;
            auto name = ReadName(file, table, reader.U16(info + kNameInfoId));
            if (!name) {
                continue;  // a name that cannot be read is not there at all
            }
            NeResource resource{std::move(*name), std::nullopt};
            if (Fits(file.size(), offset, length)) {
                resource.data = Slice(file, offset, length);
            }
            type.resources.push_back(std::move(resource));
        }
        types.push_back(std::move(type));
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
    if (resourceTable == residentNames) {
        return std::make_unique<NeResourceTable>(std::vector<NeType>{});
    }
    auto types = ReadTypes(file, header + resourceTable);
    return std::make_unique<NeResourceTable>(types ? std::move(*types) : std::vector<NeType>{});
}

}  // namespace tavrin::icons
