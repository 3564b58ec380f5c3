#pragma once
// The in-memory icon: one image as its source stores it, and the images of
// one group or icon file.

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace tavrin::icons {

// Image bytes may be shared: a group that lists one image twice, or an icon
// file whose entries overlap, holds the bytes once.
using SharedBytes = std::shared_ptr<const std::vector<std::uint8_t>>;

struct IconImage {
    SharedBytes storage;
    std::size_t offset = 0;  // of the image inside storage
    std::uint32_t size = 0;

    // Taken from the image's own header once, when the bytes are taken in.
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::int32_t bitsPerPixel = 0;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    bool isPng = false;
    // A cursor image's hotspot, from the four bytes its resource puts before
    // the image; 0 for icons.
    std::uint16_t hotspotX = 0;
    std::uint16_t hotspotY = 0;

    std::span<const std::uint8_t> bytes() const {
        return {storage->data() + offset, static_cast<std::size_t>(size)};
    }
};

// Describes the `size` bytes at `offset` of `storage`, which must lie inside.
// A PNG image is described from its IHDR chunk, any other from its
// BITMAPINFOHEADER; fields past the image's end read as 0.
IconImage MakeIconImage(SharedBytes storage, std::size_t offset, std::uint32_t size);

// Icons and cursors are stored alike; a cursor's images carry hotspots.
enum class GroupKind { kIcon, kCursor };

struct IconImageSet {
    std::vector<IconImage> images;  // in source order; at most 65535
    GroupKind kind = GroupKind::kIcon;
};

}  // namespace tavrin::icons
