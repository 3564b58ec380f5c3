#include "tests/support/expected_ico.h"

#include "tests/support/ico_builder.h"
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"

namespace tavrin::test {
namespace {

std::uint32_t BigField(const ByteVector& image, std::size_t offset) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = (value << 8) | (offset + i < image.size() ? image[offset + i] : 0u);
    }
    return value;
}

}  // namespace

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
            const std::uint32_t type = GetLe(image, 25, 1);
            bitCount = GetLe(image, 24, 1) * (type < 7 ? channels[type] : 1);
        } else {
            width = GetLe(image, 4, 4);
            height = static_cast<std::uint32_t>(static_cast<std::int32_t>(GetLe(image, 8, 4)) / 2);
            planes = GetLe(image, 12, 2);
            bitCount = GetLe(image, 14, 2);
        }
        const std::uint32_t bitsPerPixel = planes * bitCount;
        PutEntryHead(
            out, {.width = static_cast<std::uint8_t>(width),
                  .height = static_cast<std::uint8_t>(height),
                  .colours = static_cast<std::uint8_t>(bitsPerPixel < 8 ? 1u << bitsPerPixel : 0),
                  .planes = static_cast<std::uint16_t>(planes),
                  .bitCount = static_cast<std::uint16_t>(bitCount),
                  .bytes = static_cast<std::uint32_t>(image.size())});
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
    const std::uint32_t count = GetLe(ico, 4, 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const std::uint32_t size = GetLe(ico, entry + 8, 4);
        const std::uint32_t offset = GetLe(ico, entry + 12, 4);
        images.emplace_back(ico.begin() + offset, ico.begin() + offset + size);
    }
    return images;
}

}  // namespace tavrin::test
