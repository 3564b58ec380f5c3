#include "tools/png_writer.h"

#include <zlib.h>

#include <array>
#include <string_view>

namespace tavrin::tools {
namespace {

using ByteVector = std::vector<std::uint8_t>;

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
constexpr std::uint32_t kMaxPngSide = 0x7FFFFFFF;
constexpr std::uint8_t kBitDepth = 8;
constexpr std::uint8_t kColourTypeRgba = 6;
constexpr std::uint8_t kFilterNone = 0;
// Keeps compressBound's result inside zlib's 32-bit uLong on Windows and
// inside PNG's largest chunk length.
constexpr std::uint64_t kMaxRawSize = 0x3FFFFFFF;

void PutBigEndian(ByteVector& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

void PutChunk(ByteVector& out, std::string_view type, std::span<const std::uint8_t> data) {
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::size_t typeStart = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    // The CRC covers the type and the data, not the length.
    uLong crc = crc32(0L, Z_NULL, 0);
    crc = crc32(crc, out.data() + typeStart, static_cast<uInt>(out.size() - typeStart));
    PutBigEndian(out, static_cast<std::uint32_t>(crc));
}

std::optional<ByteVector> Deflate(const ByteVector& raw) {
    uLongf size = compressBound(static_cast<uLong>(raw.size()));
    ByteVector compressed(size);
    if (compress2(compressed.data(), &size, raw.data(), static_cast<uLong>(raw.size()),
                  Z_BEST_COMPRESSION) != Z_OK) {
        return std::nullopt;
    }
    compressed.resize(size);
    return compressed;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> EncodeRgbaPng(std::uint32_t width, std::uint32_t height,
                                                       std::span<const std::uint8_t> rgba) {
    if (width == 0 || height == 0 || width > kMaxPngSide || height > kMaxPngSide) {
        return std::nullopt;
    }
    const std::uint64_t rowBytes = std::uint64_t{width} * 4;
    if (rgba.size() / rowBytes != height || rgba.size() % rowBytes != 0) {
        return std::nullopt;
    }
    // One filter byte before each row.
    const std::uint64_t rawSize = (rowBytes + 1) * height;
    if (rawSize > kMaxRawSize) {
        return std::nullopt;
    }
    ByteVector raw;
    raw.reserve(static_cast<std::size_t>(rawSize));
    for (std::uint32_t y = 0; y < height; ++y) {
        raw.push_back(kFilterNone);
        const auto row = rgba.subspan(static_cast<std::size_t>(rowBytes * y),
                                      static_cast<std::size_t>(rowBytes));
        raw.insert(raw.end(), row.begin(), row.end());
    }
    const std::optional<ByteVector> compressed = Deflate(raw);
    if (!compressed) {
        return std::nullopt;
    }

    ByteVector header;
    PutBigEndian(header, width);
    PutBigEndian(header, height);
    // Compression method, filter method and interlace are all 0.
    header.insert(header.end(), {kBitDepth, kColourTypeRgba, 0, 0, 0});

    ByteVector png(kSignature.begin(), kSignature.end());
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", *compressed);
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace tavrin::tools
