// The PNG of a bitmap as another reader sees it.

#include <png.h>

#include <gtest/gtest.h>

#include "tests/support/dib_picture.h"
#include "tools/png_image.h"

namespace tavrin::tools {
namespace {

using test::ByteVector;
using test::DibPicture;

struct Read {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::uint32_t format = 0;
    ByteVector rgba;
};

std::optional<Read> ReadWithLibpng(const ByteVector& png) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&image, png.data(), png.size()) == 0) {
        ADD_FAILURE() << image.message;
        return std::nullopt;
    }
    Read read;
    read.width = image.width;
    read.height = image.height;
    read.format = image.format;
    image.format = PNG_FORMAT_RGBA;
    read.rgba.resize(std::size_t{image.width} * image.height * 4);
    const bool finished = png_image_finish_read(&image, nullptr, read.rgba.data(), 0, nullptr) != 0;
    EXPECT_EQ(image.warning_or_error, 0u) << image.message;
    if (!finished) {
        return std::nullopt;
    }
    return read;
}

DibPicture WithoutAlpha(DibPicture picture) {
    for (std::uint32_t& value : picture.values) {
        value &= 0xFFFFFF;
    }
    return picture;
}

TEST(PngRoundTripTest, AnotherReaderSeesTheBitmapsPixels) {
    const struct {
        const char* name;
        DibPicture picture;
    } cases[] = {
        {"1 bit", test::PatternedPicture(1, 33, 3)},
        {"4 bits", test::PatternedPicture(4, 5, 3)},
        {"8 bits", test::PatternedPicture(8, 7, 2, 5)},
        {"24 bits", test::PatternedPicture(24, 3, 4)},
        {"32 bits with alpha", test::PatternedPicture(32, 5, 3)},
        {"32 bits without", WithoutAlpha(test::PatternedPicture(32, 5, 3))},
        {"largest icon size", test::PatternedPicture(32, 256, 256)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const ByteVector dib = test::LayOutDib(c.picture).bytes;
        const auto png = ImageAsPng(icons::MakeIconImage(std::make_shared<const ByteVector>(dib), 0,
                                                         static_cast<std::uint32_t>(dib.size())));
        ASSERT_TRUE(png);
        const auto read = ReadWithLibpng(*png);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->width, c.picture.width);
        EXPECT_EQ(read->height, c.picture.height);
        EXPECT_EQ(read->format, std::uint32_t{PNG_FORMAT_RGBA});
        EXPECT_EQ(read->rgba, test::ShownRgba(c.picture));
    }
}

}  // namespace
}  // namespace tavrin::tools
