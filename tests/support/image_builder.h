#pragma once
// Icon images as tests need them: a DIB with its header, or just enough of
// a PNG for the engine to list it.

#include <cstdint>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

// A 40-byte BITMAPINFOHEADER, `height` as stored (an icon's counts both
// masks), the fields after biBitCount zero but biSizeImage.
ByteVector BitmapInfoHeader(std::uint32_t width, std::uint32_t height, std::uint16_t planes,
                            std::uint16_t bitCount, std::uint32_t sizeImage = 0);
// A DIB icon image of the given size and depth, filled with `fill`.
ByteVector DibImage(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                    std::uint8_t fill = 0x5A, std::uint32_t sizeImage = 0x1234);
// A PNG signature and IHDR chunk.
ByteVector PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                    std::uint8_t colourType);
bool IsPng(const ByteVector& image);

}  // namespace tavrin::test
