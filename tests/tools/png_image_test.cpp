#include "tools/png_image.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>

#include "tests/support/dib_picture.h"
#include "tests/support/image_builder.h"
#include "tools/png_writer.h"

namespace tavrin::tools {
namespace {

using test::ByteVector;

icons::IconImage ImageInside(const ByteVector& storage, std::size_t offset, std::size_t size) {
    return icons::MakeIconImage(std::make_shared<const ByteVector>(storage), offset,
                                static_cast<std::uint32_t>(size));
}

icons::IconImage ImageOf(const ByteVector& bytes) {
    return ImageInside(bytes, 0, bytes.size());
}

std::uint32_t BigEndian(const ByteVector& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value = value << 8 | bytes.at(at + i);
    }
    return value;
}

struct Chunk {
    std::string type;
    ByteVector data;
};

// The chunks after the signature, each checked against its CRC.
std::vector<Chunk> ChunksOf(const ByteVector& png) {
    std::vector<Chunk> chunks;
    std::size_t at = 8;
    while (at < png.size()) {
        const std::uint32_t length = BigEndian(png, at);
        EXPECT_LE(std::size_t{length} + 12, png.size() - at);
        if (std::size_t{length} + 12 > png.size() - at) {
            break;
        }
        const auto typeStart = png.begin() + static_cast<std::ptrdiff_t>(at + 4);
        const uLong crc = crc32(crc32(0, Z_NULL, 0), &png[at + 4], length + 4);
        EXPECT_EQ(BigEndian(png, at + 8 + length), crc);
        chunks.push_back({std::string(typeStart, typeStart + 4),
                          ByteVector(typeStart + 4, typeStart + 4 + length)});
        at += std::size_t{length} + 12;
    }
    return chunks;
}

TEST(PngImageTest, PassesAPngImageThroughByteForByte) {
    ByteVector png = test::PngImage(48, 32, 8, 6);
    png.insert(png.end(), {0xAA, 0xBB, 0xCC});  // whatever follows is the image's too
    ByteVector storage = {1, 2, 3};
    storage.insert(storage.end(), png.begin(), png.end());
    storage.push_back(0xEE);
    EXPECT_EQ(ImageAsPng(ImageInside(storage, 3, png.size())), png);
}

TEST(PngImageTest, WritesABitmapAsAnEightBitRgbaPng) {
    const ByteVector dib = test::LayOutDib(test::PatternedPicture(4, 300, 2)).bytes;
    const auto png = ImageAsPng(ImageOf(dib));
    ASSERT_TRUE(png);
    ASSERT_GE(png->size(), 8u);
    EXPECT_EQ(ByteVector(png->begin(), png->begin() + 8),
              (ByteVector{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A}));
    const std::vector<Chunk> chunks = ChunksOf(*png);
    ASSERT_GE(chunks.size(), 3u);
    EXPECT_EQ(chunks.front().type, "IHDR");
    // Width, height, depth 8, colour type 6, standard compression and
    // filtering, not interlaced.
    EXPECT_EQ(chunks.front().data, (ByteVector{0, 0, 0x01, 0x2C, 0, 0, 0, 2, 8, 6, 0, 0, 0}));
    for (std::size_t i = 1; i + 1 < chunks.size(); ++i) {
        EXPECT_EQ(chunks[i].type, "IDAT");
    }
    EXPECT_EQ(chunks.back().type, "IEND");
    EXPECT_TRUE(chunks.back().data.empty());
}

TEST(PngImageTest, NoneForABitmapThatCannotBeDecoded) {
    ByteVector dib = test::LayOutDib(test::PatternedPicture(8, 4, 4)).bytes;
    dib[16] = 1;  // run-length encoded
    EXPECT_FALSE(ImageAsPng(ImageOf(dib)));
    EXPECT_FALSE(ImageAsPng(ImageOf({})));
    EXPECT_FALSE(ImageAsPng(ImageOf(ByteVector(40, 0xFF))));
}

TEST(PngWriterTest, RefusesPixelsThatDoNotMatchTheSize) {
    const ByteVector pixels(2 * 3 * 4, 0x7F);
    ASSERT_TRUE(EncodeRgbaPng(2, 3, pixels));
    const struct {
        std::uint32_t width, height;
        std::size_t bytes;
    } cases[] = {{0, 3, 0},         {2, 0, 0}, {2, 3, 23},          {2, 3, 25},
                 {3, 2, 2 * 3 * 3}, {2, 3, 0}, {0x80000000u, 1, 8}, {0xFFFFFFFFu, 0xFFFFFFFFu, 4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height << ", " << c.bytes);
        EXPECT_FALSE(EncodeRgbaPng(c.width, c.height, ByteVector(c.bytes, 0x7F)));
    }
}

}  // namespace
}  // namespace tavrin::tools
