#pragma once
// Icon bitmaps with known pixels: a picture described pixel by pixel, laid
// out as a DIB the way the format stores it, and the RGBA pixels it shows.

#include <cstdint>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

struct DibPicture {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint16_t bitCount = 0;
    // 0xRRGGBB; written for depths up to 8 bits. Stored as biClrUsed unless
    // `fullPalette` (or the header is a core one, which has no such field).
    std::vector<std::uint32_t> palette;
    bool fullPalette = false;
    bool coreHeader = false;
    // Top row first: a palette index, or 0xAARRGGBB at 24 and 32 bits.
    std::vector<std::uint32_t> values;
    // Top row first: true where the AND mask is set.
    std::vector<bool> transparent;
};

// A picture filled by formula so that neighbouring pixels and rows differ;
// indexed depths get `paletteSize` colours (0: all their depth allows) and
// indices below it.
DibPicture PatternedPicture(std::uint16_t bitCount, std::uint32_t width, std::uint32_t height,
                            std::uint32_t paletteSize = 0);

struct DibLayout {
    ByteVector bytes;
    std::size_t xorEnd = 0;  // where the AND mask starts
};
DibLayout LayOutDib(const DibPicture& picture);

// R, G, B, A per pixel, top row first, as Windows shows the picture: alpha
// from a 32-bit picture's own channel when any is non-zero, else from the mask.
ByteVector ShownRgba(const DibPicture& picture);

}  // namespace tavrin::test
