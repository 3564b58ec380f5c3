#include "icons/dib_pixels.h"

namespace tavrin::icons {
namespace {

constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;  // BI_RGB

struct DibHeader {
    std::int64_t width = 0;
    std::int64_t storedHeight = 0;  // XOR bitmap and AND mask together
    std::uint32_t bitCount = 0;
    std::uint32_t compression = kUncompressed;
    std::uint32_t coloursUsed = 0;
    std::uint32_t size = 0;
    std::uint32_t paletteEntrySize = 4;  // RGBQUAD; RGBTRIPLE after a core header
};

std::optional<DibHeader> ReadHeader(Bytes image) {
    ByteReader reader(image);
    DibHeader header;
    header.size = reader.U32(0);
    if (header.size == kCoreHeaderSize) {
        header.width = reader.U16(4);
        header.storedHeight = reader.U16(6);
        header.bitCount = reader.U16(10);
        header.paletteEntrySize = 3;
    } else if (header.size >= kInfoHeaderSize) {
        header.width = static_cast<std::int32_t>(reader.U32(4));
        header.storedHeight = static_cast<std::int32_t>(reader.U32(8));
        header.bitCount = reader.U16(14);
        header.compression = reader.U32(16);
        header.coloursUsed = reader.U32(32);
    } else {
        return std::nullopt;
    }
    if (!reader.Ok()) {
        return std::nullopt;
    }
    return header;
}

bool Decodable(const DibHeader& header) {
    const bool depthKnown = header.bitCount == 1 || header.bitCount == 4 || header.bitCount == 8 ||
                            header.bitCount == 24 || header.bitCount == 32;
    const std::int64_t height = header.storedHeight / 2;
    return depthKnown && header.compression == kUncompressed && header.width >= 1 &&
           header.width <= kMaxDibSide && height >= 1 && height <= kMaxDibSide;
}

// Rows of a DIB are padded to whole DWORDs.
std::uint64_t RowStride(std::uint64_t width, std::uint64_t bitCount) {
    return (width * bitCount + 31) / 32 * 4;
}

struct Rgba {
    std::uint8_t r = 0, g = 0, b = 0, a = 0xFF;
};

class ColourSource {
  public:
    ColourSource(Bytes xorBits, std::uint64_t stride, Bytes palette, std::uint32_t entrySize,
                 std::uint32_t bitCount)
        : bits_(xorBits),
          stride_(stride),
          palette_(palette),
          entrySize_(entrySize),
          bitCount_(bitCount) {}

    // `row` counts as stored, bottom first.
    Rgba At(std::uint64_t row, std::uint64_t x) {
        const std::uint64_t rowStart = row * stride_;
        if (bitCount_ == 24 || bitCount_ == 32) {
            const std::uint64_t at = rowStart + x * (bitCount_ / 8);
            Rgba colour{bits_.U8(at + 2), bits_.U8(at + 1), bits_.U8(at), 0xFF};
            if (bitCount_ == 32) {
                colour.a = bits_.U8(at + 3);
            }
            return colour;
        }
        const std::uint64_t bitOffset = x * bitCount_;
        const std::uint32_t byte = bits_.U8(rowStart + bitOffset / 8);
        // The leftmost pixel sits in the byte's high bits.
        const std::uint32_t shift = 8 - bitCount_ - static_cast<std::uint32_t>(bitOffset % 8);
        const std::uint32_t index = (byte >> shift) & ((1u << bitCount_) - 1);
        return PaletteColour(index);
    }

    bool Ok() const { return bits_.Ok(); }

  private:
    Rgba PaletteColour(std::uint32_t index) const {
        const std::uint64_t at = std::uint64_t{index} * entrySize_;
        const Bytes entry = Slice(palette_, at, 3);
        if (entry.empty()) {
            return Rgba{0, 0, 0, 0xFF};
        }
        return Rgba{entry[2], entry[1], entry[0], 0xFF};
    }

    ByteReader bits_;
    std::uint64_t stride_;
    Bytes palette_;
    std::uint32_t entrySize_;
    std::uint32_t bitCount_;
};

// Alpha from the AND mask: set bits are transparent, and no mask is opaque.
void ApplyMask(Bytes mask, std::uint32_t width, std::uint32_t height, RgbaPixels& pixels) {
    const std::uint64_t stride = RowStride(width, 1);
    ByteReader reader(mask);
    for (std::uint32_t y = 0; y < height; ++y) {
        const std::uint64_t row = height - 1 - y;
        for (std::uint32_t x = 0; x < width; ++x) {
            bool transparent = false;
            if (!mask.empty()) {
                const std::uint32_t byte = reader.U8(row * stride + x / 8);
                transparent = ((byte >> (7 - x % 8)) & 1) != 0;
            }
            pixels.rgba[(std::size_t{y} * width + x) * 4 + 3] = transparent ? 0 : 0xFF;
        }
    }
}

}  // namespace

std::optional<RgbaPixels> DecodeDibPixels(Bytes image) {
    const std::optional<DibHeader> header = ReadHeader(image);
    if (!header || !Decodable(*header)) {
        return std::nullopt;
    }
    const auto width = static_cast<std::uint32_t>(header->width);
    const auto height = static_cast<std::uint32_t>(header->storedHeight / 2);
    const std::uint32_t bitCount = header->bitCount;

    // A count of colours in use also puts a table before a 24- or 32-bit
    // image's bits, which the bits then follow.
    std::uint64_t paletteCount = header->coloursUsed;
    if (paletteCount == 0 && bitCount <= 8) {
        paletteCount = std::uint64_t{1} << bitCount;
    }
    const std::uint64_t paletteBytes = paletteCount * header->paletteEntrySize;
    if (!Fits(image.size(), header->size, paletteBytes)) {
        return std::nullopt;
    }
    const Bytes palette = bitCount <= 8 ? Slice(image, header->size, paletteBytes) : Bytes{};

    const std::uint64_t stride = RowStride(width, bitCount);
    const std::uint64_t bitsOffset = std::uint64_t{header->size} + paletteBytes;
    const Bytes xorBits = Slice(image, bitsOffset, stride * height);
    if (xorBits.empty()) {
        return std::nullopt;
    }
    const Bytes mask = Slice(image, bitsOffset + xorBits.size(), RowStride(width, 1) * height);

    ColourSource colours(xorBits, stride, palette, header->paletteEntrySize, bitCount);
    RgbaPixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.rgba.resize(std::size_t{width} * height * 4);
    bool anyAlpha = false;
    for (std::uint32_t y = 0; y < height; ++y) {
        for (std::uint32_t x = 0; x < width; ++x) {
            const Rgba colour = colours.At(height - 1 - y, x);
            std::uint8_t* out = &pixels.rgba[(std::size_t{y} * width + x) * 4];
            out[0] = colour.r;
            out[1] = colour.g;
            out[2] = colour.b;
            out[3] = colour.a;
            anyAlpha = anyAlpha || (bitCount == 32 && colour.a != 0);
        }
    }
    if (!colours.Ok()) {
        return std::nullopt;
    }
    // Windows ignores the mask of a 32-bit image that uses its alpha channel.
    if (!anyAlpha) {
        ApplyMask(mask, width, height, pixels);
    }
    return pixels;
}

}  // namespace tavrin::icons
