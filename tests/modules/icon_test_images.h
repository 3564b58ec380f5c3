#pragma once
// Icon images and group directories for module fixtures, and the ICO file
// that a group of them must give, worked out from the ICO layout.

#include <cstdint>
#include <span>
#include <vector>

namespace tavrin::tests {

// An image as a module stores it, with the directory entry it must get.
struct TestImage {
    std::vector<std::uint8_t> bytes;
    std::uint8_t entryWidth = 0;
    std::uint8_t entryHeight = 0;
    std::uint8_t entryColours = 0;
    std::uint16_t entryPlanes = 0;
    std::uint16_t entryBitCount = 0;
    bool isPng = false;
};

// A DIB of `size` bytes (at least the 40-byte header) whose header says
// `width` × `visibleHeight` (biHeight twice that), with a non-zero
// biSizeImage and a body that starts from `seed`.
TestImage DibImage(std::int32_t width, std::int32_t visibleHeight, std::uint16_t planes,
                   std::uint16_t bitCount, std::size_t size, std::uint8_t seed);

// A PNG signature and IHDR chunk; `bitCount` is what the entry must list.
TestImage PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                   std::uint8_t colourType, std::uint16_t bitCount);

struct GroupEntry {
    std::uint16_t iconId;
    std::uint32_t bytesInResource;
};

// A GRPICONDIR whose entries claim 48×48 in 16 colours, whatever the images
// are, so that a written directory that copies them is caught.
std::vector<std::uint8_t> GroupDirectory(std::span<const GroupEntry> entries);

// The ICO file of `images` in order: header, one entry each, the images
// packed after the directory, a DIB's bytes 20..23 zero.
std::vector<std::uint8_t> ExpectedIco(std::span<const TestImage> images);

// `image` cut to its first `size` bytes, as an NE group entry may ask.
TestImage Shortened(TestImage image, std::size_t size);

}  // namespace tavrin::tests
