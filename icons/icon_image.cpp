#include "icons/icon_image.h"

#include <algorithm>
#include <array>

#include "icons/byte_reader.h"

namespace tavrin::icons {
namespace {

constexpr std::array<std::uint8_t, 8> kPngSignature = {0x89, 0x50, 0x4E, 0x47,
                                                       0x0D, 0x0A, 0x1A, 0x0A};

bool StartsWithPngSignature(Bytes bytes) {
    return bytes.size() >= kPngSignature.size() &&
           std::equal(kPngSignature.begin(), kPngSignature.end(), bytes.begin());
}

std::uint16_t ChannelsOfPngColourType(std::uint32_t colourType) {
    switch (colourType) {
        case 2:
            return 3;  // RGB
        case 4:
            return 2;  // grey and alpha
        case 6:
            return 4;  // RGBA
        default:
            return 1;  // grey, palette, or unknown
    }
}

void DescribePng(Bytes bytes, IconImage& image) {
    image.isPng = true;
    image.width = static_cast<std::int32_t>(LenientU32BigEndian(bytes, 16));
    image.height = static_cast<std::int32_t>(LenientU32BigEndian(bytes, 20));
    image.planes = 1;
    const auto depth = static_cast<std::uint16_t>(LenientU32(bytes, 24, 1));
    image.bitCount =
        static_cast<std::uint16_t>(depth * ChannelsOfPngColourType(LenientU32(bytes, 25, 1)));
    image.bitsPerPixel = image.bitCount;
}

void DescribeDib(Bytes bytes, IconImage& image) {
    image.width = static_cast<std::int32_t>(LenientU32(bytes, 4));
    // biHeight counts the XOR bitmap and the AND mask together.
    image.height = static_cast<std::int32_t>(LenientU32(bytes, 8)) / 2;
    image.planes = static_cast<std::uint16_t>(LenientU32(bytes, 12, 2));
    image.bitCount = static_cast<std::uint16_t>(LenientU32(bytes, 14, 2));
    const std::uint32_t product = std::uint32_t{image.planes} * std::uint32_t{image.bitCount};
    image.bitsPerPixel = static_cast<std::int32_t>(product);
}

}  // namespace

IconImage MakeIconImage(SharedBytes storage, std::size_t offset, std::uint32_t size) {
    IconImage image;
    image.storage = std::move(storage);
    image.offset = offset;
    image.size = size;
    const Bytes bytes = image.bytes();
    if (StartsWithPngSignature(bytes)) {
        DescribePng(bytes, image);
    } else {
        DescribeDib(bytes, image);
    }
    return image;
}

}  // namespace tavrin::icons
