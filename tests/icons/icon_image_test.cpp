#include "icons/icon_image.h"

#include <gtest/gtest.h>
#include "tests/support/image_builder.h"
#include "tests/support/little_endian.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;

IconImage Describe(const ByteVector& bytes) {
    auto storage = std::make_shared<const std::vector<std::uint8_t>>(bytes);
    return MakeIconImage(storage, 0, static_cast<std::uint32_t>(bytes.size()));
}

ByteVector Header(std::uint32_t width, std::uint32_t height, std::uint16_t planes,
                  std::uint16_t bitCount) {
    return test::BitmapInfoHeader(width, height, planes, bitCount);
}

TEST(IconImageTest, DescribesABitmapFromItsHeader) {
    const struct {
        ByteVector bytes;
        std::int32_t width, height, bitsPerPixel;
    } cases[] = {
        {Header(32, 64, 1, 8), 32, 32, 8},            // biHeight counts XOR and AND bitmaps
        {Header(32, 65, 1, 4), 32, 32, 4},            // halved toward zero
        {Header(16, 0xFFFFFFE1u, 1, 1), 16, -15, 1},  // -31 / 2 toward zero
        {Header(256, 512, 1, 32), 256, 256, 32},
        {Header(32, 64, 2, 4), 32, 32, 8},  // planes times bit count
        {Header(1, 2, 0xFFFF, 0xFFFF), 1, 1, static_cast<std::int32_t>(0xFFFE0001u)},
    };
    for (const auto& c : cases) {
        const IconImage image = Describe(c.bytes);
        EXPECT_FALSE(image.isPng);
        EXPECT_EQ(image.width, c.width);
        EXPECT_EQ(image.height, c.height);
        EXPECT_EQ(image.bitsPerPixel, c.bitsPerPixel);
    }
}

TEST(IconImageTest, FieldsPastTheEndOfAShortImageReadAsZero) {
    ByteVector bytes = Header(0x01020304, 0x10, 1, 8);
    bytes.resize(10);  // biHeight cut after two bytes
    const IconImage image = Describe(bytes);
    EXPECT_EQ(image.width, 0x01020304);
    EXPECT_EQ(image.height, 8);
    EXPECT_EQ(image.planes, 0);
    EXPECT_EQ(image.bitsPerPixel, 0);
    EXPECT_EQ(Describe({}).width, 0);
}

TEST(IconImageTest, DescribesAPngFromItsHeaderChunk) {
    const struct {
        std::uint8_t depth, colourType;
        std::uint16_t bitCount;
    } cases[] = {{8, 6, 32}, {8, 2, 24}, {8, 3, 8}, {16, 4, 32}, {1, 0, 1}, {8, 9, 8}};
    for (const auto& c : cases) {
        const IconImage image = Describe(test::PngImage(256, 128, c.depth, c.colourType));
        EXPECT_TRUE(image.isPng);
        EXPECT_EQ(image.width, 256);
        EXPECT_EQ(image.height, 128);
        EXPECT_EQ(image.planes, 1);
        EXPECT_EQ(image.bitCount, c.bitCount);
        EXPECT_EQ(image.bitsPerPixel, c.bitCount);
    }
    ByteVector cut = test::PngImage(0x01020304, 256, 8, 6);
    cut.resize(18);  // width cut after two bytes
    const IconImage image = Describe(cut);
    EXPECT_TRUE(image.isPng);
    EXPECT_EQ(image.width, 0x01020000);
    EXPECT_EQ(image.height, 0);
    EXPECT_EQ(image.bitCount, 0);
}

}  // namespace
}  // namespace tavrin::icons
