#include "tests/support/dib_picture.h"

#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

std::size_t PaddedRow(std::size_t bits) {
    return (bits + 31) / 32 * 4;
}

ByteVector Header(const DibPicture& picture) {
    ByteVector header;
    if (picture.coreHeader) {
        PutLe(header, 12, 4);
        PutLe(header, picture.width, 2);
        PutLe(header, picture.height * 2, 2);
        PutLe(header, 1, 2);
        PutLe(header, picture.bitCount, 2);
        return header;
    }
    PutLe(header, 40, 4);
    PutLe(header, picture.width, 4);
    PutLe(header, picture.height * 2, 4);
    PutLe(header, 1, 2);
    PutLe(header, picture.bitCount, 2);
    PutLe(header, 0, 4 * 4);  // compression, size, resolutions
    PutLe(header, picture.fullPalette ? 0 : picture.palette.size(), 4);
    PutLe(header, 0, 4);
    return header;
}

void PutPixel(ByteVector& row, std::uint16_t bitCount, std::size_t x, std::uint32_t value) {
    if (bitCount >= 24) {
        for (int channel = 0; channel < bitCount / 8; ++channel) {
            row[x * (bitCount / 8) + static_cast<std::size_t>(channel)] =
                static_cast<std::uint8_t>(value >> (8 * channel));  // B, G, R, A
        }
        return;
    }
    const std::size_t bit = x * bitCount;
    row[bit / 8] |= static_cast<std::uint8_t>(value << (8 - bitCount - bit % 8));
}

}  // namespace

DibPicture PatternedPicture(std::uint16_t bitCount, std::uint32_t width, std::uint32_t height,
                            std::uint32_t paletteSize) {
    DibPicture picture;
    picture.width = width;
    picture.height = height;
    picture.bitCount = bitCount;
    if (bitCount <= 8 && paletteSize == 0) {
        paletteSize = 1u << bitCount;
    }
    for (std::uint32_t i = 0; i < paletteSize; ++i) {
        picture.palette.push_back(((i * 37 + 1) % 256) << 16 | ((i * 91 + 2) % 256) << 8 |
                                  (i * 13 + 3) % 256);
    }
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            if (bitCount <= 8) {
                picture.values.push_back((x * 5 + y * 3 + 1) % paletteSize);
            } else {
                picture.values.push_back(((x * 97 + y * 31) % 256) << 24 |
                                         ((x * 40 + y) % 256) << 16 | ((y * 50 + 7) % 256) << 8 |
                                         (x * y + 9) % 256);
            }
            picture.transparent.push_back((x + 2 * y) % 3 == 0);
        }
    }
    return picture;
}

DibLayout LayOutDib(const DibPicture& picture) {
    DibLayout layout;
    layout.bytes = Header(picture);
    ByteVector& out = layout.bytes;
    const std::size_t entries = picture.coreHeader || picture.fullPalette
                                    ? (picture.bitCount <= 8 ? 1u << picture.bitCount : 0)
                                    : picture.palette.size();
    for (std::size_t i = 0; i < entries; ++i) {
        const std::uint32_t colour = i < picture.palette.size() ? picture.palette[i] : 0;
        PutLe(out, colour, picture.coreHeader ? 3 : 4);  // B, G, R and a zero byte
    }
    // Bottom row first.
    for (std::size_t y = picture.height; y-- > 0;) {
        ByteVector row(PaddedRow(std::size_t{picture.width} * picture.bitCount));
        for (std::size_t x = 0; x < picture.width; ++x) {
            PutPixel(row, picture.bitCount, x, picture.values[y * picture.width + x]);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    layout.xorEnd = out.size();
    for (std::size_t y = picture.height; y-- > 0;) {
        ByteVector row(PaddedRow(picture.width));
        for (std::size_t x = 0; x < picture.width; ++x) {
            PutPixel(row, 1, x, picture.transparent[y * picture.width + x] ? 1 : 0);
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return layout;
}

ByteVector ShownRgba(const DibPicture& picture) {
    bool ownAlpha = false;
    if (picture.bitCount == 32) {
        for (std::uint32_t value : picture.values) {
            ownAlpha = ownAlpha || (value >> 24) != 0;
        }
    }
    ByteVector rgba;
    for (std::size_t i = 0; i < picture.values.size(); ++i) {
        std::uint32_t colour = picture.values[i];
        if (picture.bitCount <= 8) {
            colour = colour < picture.palette.size() ? picture.palette[colour] : 0;
        }
        rgba.push_back(static_cast<std::uint8_t>(colour >> 16));
        rgba.push_back(static_cast<std::uint8_t>(colour >> 8));
        rgba.push_back(static_cast<std::uint8_t>(colour));
        rgba.push_back(ownAlpha ? static_cast<std::uint8_t>(colour >> 24)
                                : (picture.transparent[i] ? 0 : 0xFF));
    }
    return rgba;
}

}  // namespace tavrin::test
