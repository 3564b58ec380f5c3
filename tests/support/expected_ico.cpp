#include "tests/support/expected_ico.h"

namespace tavrin::test {
namespace {

bool IsPng(const ByteVector& image) {
    static const ByteVector signature = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return image.size() >= 8 && ByteVector(image.begin(), image.begin() + 8) == signature;
}

std::uint32_t Field(const ByteVector& image, std::size_t offset, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) {
        const std::size_t at = offset + static_cast<std::size_t>(i);
        value = (value << 8) | (at < image.size() ? image[at] : 0u);
    }
    return value;
}

std::uint32_t BigField(const ByteVector& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | (offset + i < image.size() ? image[offset + i] : 0u);
    }
    return value;
}

}  // namespace

ByteVector IcoHeader(std::size_t count) {
    ByteVector out;
    PutLe(out, 0, 2);  // reserved
    PutLe(out, 1, 2);  // type: icon
    PutLe(out, count, 2);
    return out;
}

void PutLe(ByteVector& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(i < 8 ? static_cast<std::uint8_t>(value >> (8 * i)) : 0);
    }
}

std::uint32_t GetLe(const ByteVector& in, std::size_t offset, int bytes) {
    return Field(in, offset, bytes);
}

ByteVector ExpectedIco(const std::vector<ByteVector>& images) {
    ByteVector out = IcoHeader(images.size());
    std::uint32_t offset = static_cast<std::uint32_t>(out.size() + 16 * images.size());
    for (const ByteVector& image : images) {
        std::uint32_t width, height, planes, bitCount;
        if (IsPng(image)) {
            width = BigField(image, 16);
            height = BigField(image, 20);
            planes = 1;
            const std::uint32_t channels[] = {1, 1, 3, 1, 2, 1, 4};
            const std::uint32_t type = Field(image, 25, 1);
            bitCount = Field(image, 24, 1) * (type < 7 ? channels[type] : 1);
        } else {
            width = Field(image, 4, 4);
            height = static_cast<std::uint32_t>(static_cast<std::int32_t>(Field(image, 8, 4)) / 2);
            planes = Field(image, 12, 2);
            bitCount = Field(image, 14, 2);
        }
        const std::uint32_t bitsPerPixel = planes * bitCount;
        out.push_back(static_cast<std::uint8_t>(width));
        out.push_back(static_cast<std::uint8_t>(height));
        out.push_back(bitsPerPixel < 8 ? static_cast<std::uint8_t>(1u << bitsPerPixel) : 0);
        out.push_back(0);
        PutLe(out, planes, 2);
        PutLe(out, bitCount, 2);
        PutLe(out, image.size(), 4);
        PutLe(out, offset, 4);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const ByteVector& image : images) {
        ByteVector copy = image;
        if (!IsPng(image)) {
            for (std::size_t i = 20; i < 24 && i < copy.size(); ++i) {
                copy[i] = 0;
            }
        }
        out.insert(out.end(), copy.begin(), copy.end());
    }
    return out;
}

std::vector<ByteVector> ImagesOfIco(const ByteVector& ico) {
    std::vector<ByteVector> images;
    const std::uint32_t count = Field(ico, 4, 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = Field(ico, entry + 8, 4);
        const std::uint32_t offset = Field(ico, entry + 12, 4);
        images.emplace_back(ico.begin() + offset, ico.begin() + offset + size);
    }
    return images;
}

ByteVector DibImage(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                    std::uint8_t fill, std::uint32_t sizeImage) {
    ByteVector image;
    PutLe(image, 40, 4);
    PutLe(image, static_cast<std::uint32_t>(width), 4);
    PutLe(image, static_cast<std::uint32_t>(height * 2), 4);
    PutLe(image, 1, 2);
    PutLe(image, bitCount, 2);
    PutLe(image, 0, 4);
    PutLe(image, sizeImage, 4);
    PutLe(image, 0, 16);
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

ByteVector IcoFile(const std::vector<ByteVector>& images) {
    ByteVector out = IcoHeader(images.size());
    std::uint32_t offset = static_cast<std::uint32_t>(out.size() + 16 * images.size());
    for (const ByteVector& image : images) {
        PutLe(out, 0x20202020, 4);  // width, height, colours, reserved: ignored by readers
        PutLe(out, 1, 2);
        PutLe(out, 32, 2);
        PutLe(out, image.size(), 4);
        PutLe(out, offset, 4);
        offset += static_cast<std::uint32_t>(image.size());
    }
    for (const ByteVector& image : images) {
        out.insert(out.end(), image.begin(), image.end());
    }
    return out;
}

}  // namespace tavrin::test
