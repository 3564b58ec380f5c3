#include "tests/support/image_builder.h"

#include <algorithm>

#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

constexpr std::size_t kPngSignatureSize = 8;

}  // namespace

ByteVector BitmapInfoHeader(std::uint32_t width, std::uint32_t height, std::uint16_t planes,
                            std::uint16_t bitCount, std::uint32_t sizeImage) {
    ByteVector header;
    PutLe(header, 40, 4);
    PutLe(header, width, 4);
    PutLe(header, height, 4);
    PutLe(header, planes, 2);
    PutLe(header, bitCount, 2);
    PutLe(header, 0, 4);  // compression
    PutLe(header, sizeImage, 4);
    PutLe(header, 0, 16);
    return header;
}

ByteVector DibImage(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                    std::uint8_t fill, std::uint32_t sizeImage) {
    ByteVector image =
        BitmapInfoHeader(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height * 2),
                         1, bitCount, sizeImage);
    const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    image.resize(image.size() + (bitCount <= 8 ? (4u << bitCount) : 0) + pixels * bitCount / 8 +
                     pixels / 8 + 4,
                 fill);
    return image;
}

ByteVector PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                    std::uint8_t colourType) {
    ByteVector image = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A,
                        0,    0,   0,   13,  'I',  'H',  'D',  'R'};
    for (std::uint32_t value : {width, height}) {
        for (int shift = 24; shift >= 0; shift -= 8) {
            image.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    image.insert(image.end(), {depth, colourType, 0, 0, 0, 0xDE, 0xAD, 0xBE, 0xEF});
    return image;
}

bool IsPng(const ByteVector& image) {
    static const ByteVector signature = [] {
        ByteVector any = PngImage(0, 0, 0, 0);
        any.resize(kPngSignatureSize);
        return any;
    }();
    return image.size() >= signature.size() &&
           std::equal(signature.begin(), signature.end(), image.begin());
}

}  // namespace tavrin::test
