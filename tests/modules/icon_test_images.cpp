#include "tests/modules/icon_test_images.h"

#include <stdexcept>

namespace tavrin::tests {
namespace {

void Put(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value,
         std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void PutBigEndian(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) {
        bytes.at(offset + i) = static_cast<std::uint8_t>(value >> (8 * (3 - i)));
    }
}

void Append(std::vector<std::uint8_t>& bytes, std::uint32_t value, std::size_t count) {
    bytes.resize(bytes.size() + count);
    Put(bytes, bytes.size() - count, value, count);
}

}  // namespace

TestImage DibImage(std::int32_t width, std::int32_t visibleHeight, std::uint16_t planes,
                   std::uint16_t bitCount, std::size_t size, std::uint8_t seed) {
    if (size < 40) {
        throw std::invalid_argument("a DIB fixture holds at least its header");
    }
    TestImage image;
    image.bytes.resize(size);
    for (std::size_t i = 40; i < size; ++i) {
        image.bytes[i] = static_cast<std::uint8_t>(seed + i);
    }
    Put(image.bytes, 0, 40, 4);
    Put(image.bytes, 4, static_cast<std::uint32_t>(width), 4);
    Put(image.bytes, 8, static_cast<std::uint32_t>(visibleHeight * 2), 4);
    Put(image.bytes, 12, planes, 2);
    Put(image.bytes, 14, bitCount, 2);
    Put(image.bytes, 20, 0xA5A5A5A5, 4);  // biSizeImage, never copied
    const unsigned bitsPerPixel = unsigned{planes} * bitCount;
    image.entryWidth = static_cast<std::uint8_t>(width);
    image.entryHeight = static_cast<std::uint8_t>(visibleHeight);
    image.entryColours = bitsPerPixel < 8 ? static_cast<std::uint8_t>(1u << bitsPerPixel) : 0;
    image.entryPlanes = planes;
    image.entryBitCount = bitCount;
    return image;
}

TestImage PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                   std::uint8_t colourType, std::uint16_t bitCount) {
    TestImage image;
    image.isPng = true;
    image.bytes = {0x89, 0x50, 0x4E, 0x47, 0x0D, 0x0A, 0x1A, 0x0A,  // signature
                   0,    0,    0,    13,   'I',  'H',  'D',  'R'};
    image.bytes.resize(16 + 13 + 4);  // IHDR data and CRC
    PutBigEndian(image.bytes, 16, width);
    PutBigEndian(image.bytes, 20, height);
    image.bytes[24] = depth;
    image.bytes[25] = colourType;
    image.entryWidth = static_cast<std::uint8_t>(width);
    image.entryHeight = static_cast<std::uint8_t>(height);
    image.entryColours = bitCount < 8 ? static_cast<std::uint8_t>(1u << bitCount) : 0;
    image.entryPlanes = 1;
    image.entryBitCount = bitCount;
    return image;
}

std::vector<std::uint8_t> GroupDirectory(std::span<const GroupEntry> entries) {
    std::vector<std::uint8_t> bytes;
    Append(bytes, 0, 2);
    Append(bytes, 1, 2);
    Append(bytes, static_cast<std::uint32_t>(entries.size()), 2);
    for (const GroupEntry& entry : entries) {
        bytes.insert(bytes.end(), {48, 48, 16, 0});
        Append(bytes, 1, 2);   // planes
        Append(bytes, 24, 2);  // bit count
        Append(bytes, entry.bytesInResource, 4);
        Append(bytes, entry.iconId, 2);
    }
    return bytes;
}

std::vector<std::uint8_t> ExpectedIco(std::span<const TestImage> images) {
    std::vector<std::uint8_t> file;
    Append(file, 0, 2);
    Append(file, 1, 2);
    Append(file, static_cast<std::uint32_t>(images.size()), 2);
    std::size_t offset = 6 + 16 * images.size();
    for (const TestImage& image : images) {
        file.insert(file.end(), {image.entryWidth, image.entryHeight, image.entryColours, 0});
        Append(file, image.entryPlanes, 2);
        Append(file, image.entryBitCount, 2);
        Append(file, static_cast<std::uint32_t>(image.bytes.size()), 4);
        Append(file, static_cast<std::uint32_t>(offset), 4);
        offset += image.bytes.size();
    }
    for (const TestImage& image : images) {
        const std::size_t start = file.size();
        file.insert(file.end(), image.bytes.begin(), image.bytes.end());
        if (!image.isPng) {
            for (std::size_t i = 20; i < 24 && i < image.bytes.size(); ++i) {
                file[start + i] = 0;
            }
        }
    }
    return file;
}

TestImage Shortened(TestImage image, std::size_t size) {
    image.bytes.resize(size);
    return image;
}

}  // namespace tavrin::tests
