#include "icons/icon_group.h"

#include <algorithm>
#include <cstring>

#include "icons/packed_ranges.h"

namespace tavrin::icons {
namespace {

// GRPICONDIR: a 6-byte header with the entry count at byte 4, then 14-byte
// entries with the bytes in resource at 8 and the RT_ICON number at 12.
constexpr std::size_t kGroupHeaderSize = 6;
constexpr std::size_t kGroupCountField = 4;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kEntryBytesInResource = 8;
constexpr std::size_t kEntryIconId = 12;
constexpr std::size_t kCursorHotspotSize = 4;  // x and y, before a cursor's image

}  // namespace

std::optional<IconImageSet> BuildGroup(const ResourceTable& resources, const ResourceData& group,
                                       GroupKind kind, std::optional<std::uint16_t> wanted) {
    const bool cursor = kind == GroupKind::kCursor;
    ByteReader reader(group.bytes);
    const std::uint16_t count = reader.U16(kGroupCountField);
    if (!reader.Ok() ||
        !Fits(group.bytes.size(), kGroupHeaderSize, std::uint64_t{count} * kGroupEntrySize)) {
        return std::nullopt;
    }
    std::vector<std::uint16_t> ids(count);
    std::vector<std::uint32_t> declaredSizes(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = kGroupHeaderSize + i * kGroupEntrySize;
        declaredSizes[i] = reader.U32(entry + kEntryBytesInResource);
        ids[i] = reader.U16(entry + kEntryIconId);
    }

    const auto images =
        resources.FindNumbered(cursor ? kResourceTypeCursor : kResourceTypeIcon, ids, wanted);
    std::vector<Bytes> sources(count);
    std::vector<std::pair<std::uint16_t, std::uint16_t>> hotspots(count);
    for (std::size_t i = 0; i < count; ++i) {
        if (!images[i]) {
            return std::nullopt;
        }
        Bytes bytes = images[i]->bytes;
        // Where the module rounds lengths up, the group entry gives the real
        // length as long as it stays inside the resource.
        if (images[i]->lengthIsRoundedUp && declaredSizes[i] <= bytes.size()) {
            bytes = bytes.first(declaredSizes[i]);
        }
        if (cursor) {
            // A cursor resource starts with its hotspot; the image follows.
            ByteReader hotspot(bytes);
            hotspots[i] = {hotspot.U16(0), hotspot.U16(2)};
            if (!hotspot.Ok()) {
                return std::nullopt;
            }
            bytes = bytes.subspan(kCursorHotspotSize);
        }
        if (bytes.size() > UINT32_MAX) {
            return std::nullopt;
        }
        sources[i] = bytes;
    }

    // All images lie in one buffer (the module's bytes), so their addresses
    // order them and tell overlaps apart.
    const std::uint8_t* first = nullptr;
    const std::uint8_t* last = nullptr;
    for (const Bytes& b : sources) {
        if (!b.empty()) {
            first = first == nullptr ? b.data() : std::min(first, b.data());
            last = last == nullptr ? b.data() + b.size() : std::max(last, b.data() + b.size());
        }
    }
    std::vector<ByteRange> ranges(count);
    for (std::size_t i = 0; i < count; ++i) {
        ranges[i] = {sources[i].empty() ? 0 : static_cast<std::uint64_t>(sources[i].data() - first),
                     sources[i].size()};
    }
    const auto packed = PackRanges(Bytes(first, last), ranges);
    if (!packed) {
        return std::nullopt;
    }
    IconImageSet set;
    set.kind = kind;
    set.images.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        IconImage image = MakeIconImage(packed->storage, packed->offsets[i],
                                        static_cast<std::uint32_t>(sources[i].size()));
        image.hotspotX = hotspots[i].first;
        image.hotspotY = hotspots[i].second;
        set.images.push_back(std::move(image));
    }
    return set;
}

std::optional<IconImageSet> BuildIconGroup(const ResourceTable& resources,
                                           const ResourceData& group) {
    return BuildGroup(resources, group, GroupKind::kIcon, std::nullopt);
}

std::optional<IconImageSet> BuildGroupAt(const ResourceTable& resources, GroupKind kind,
                                         std::size_t position,
                                         std::optional<std::uint16_t> wanted) {
    const auto group = resources.DataAt(GroupResourceType(kind), position, wanted);
    if (!group) {
        return std::nullopt;
    }
    return BuildGroup(resources, *group, kind, wanted);
}

std::optional<IconImageSet> BuildIconGroupAt(const ResourceTable& resources, std::size_t position) {
    return BuildGroupAt(resources, GroupKind::kIcon, position, std::nullopt);
}

}  // namespace tavrin::icons
