#pragma once
// An icon's bitmap image as straight RGBA pixels, for writing it in a format
// that has no place for a DIB and its AND mask.

#include <cstdint>
#include <optional>
#include <vector>

#include "icons/byte_reader.h"

namespace tavrin::icons {

// Larger than any icon size in use (256), yet small enough that no header can
// make the decoder allocate more than 4 MiB.
constexpr std::int32_t kMaxDibSide = 1024;

struct RgbaPixels {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgba;  // R, G, B, A per pixel; top row first
};

// Decodes an icon DIB: a BITMAPINFOHEADER (or larger) or BITMAPCOREHEADER,
// its palette, the XOR bitmap and the AND mask, uncompressed, at 1, 4, 8, 24
// or 32 bits. The header's height counts both bitmaps.
//
// Alpha: a 32-bit image with any non-zero alpha keeps its alpha channel and
// its mask is ignored; any other image is opaque where its mask is clear and
// transparent where set, keeping the colour stored under it. A mask that is
// missing or cut short leaves the whole image opaque. A palette index past
// the palette reads as black.
//
// None for anything else: a top-down (negative height) bitmap, since icons
// are stored bottom-up and its mask's order would be a guess; a side of zero
// or beyond kMaxDibSide; compression; a header, palette or XOR bitmap that
// does not lie wholly inside `image`.
std::optional<RgbaPixels> DecodeDibPixels(Bytes image);

}  // namespace tavrin::icons
