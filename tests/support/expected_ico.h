#pragma once
// The ICO file that the writer must produce for given images, computed here
// from the format's layout table, independently of the engine.

#include <cstdint>
#include <vector>

#include "tests/support/file_bytes.h"

namespace tavrin::test {

ByteVector ExpectedIco(const std::vector<ByteVector>& images);

// The images of an ICO file, by its directory, as a test knows them.
std::vector<ByteVector> ImagesOfIco(const ByteVector& ico);

// The 6-byte header of an ICO file with `count` images.
ByteVector IcoHeader(std::size_t count);

// Little-endian helpers for building and checking test bytes.
void PutLe(ByteVector& out, std::uint64_t value, int bytes);
std::uint32_t GetLe(const ByteVector& in, std::size_t offset, int bytes);

// A BITMAPINFOHEADER image of the given size and depth, filled with `fill`.
ByteVector DibImage(std::int32_t width, std::int32_t height, std::uint16_t bitCount,
                    std::uint8_t fill = 0x5A, std::uint32_t sizeImage = 0x1234);
// A PNG signature and IHDR chunk, enough for the engine to list the image.
ByteVector PngImage(std::uint32_t width, std::uint32_t height, std::uint8_t depth,
                    std::uint8_t colourType);
// An ICO file with the given images and a directory that lists them as they are.
ByteVector IcoFile(const std::vector<ByteVector>& images);

}  // namespace tavrin::test
