#include "icons/dib_pixels.h"

#include <gtest/gtest.h>

#include "tests/support/dib_picture.h"
#include "tests/support/little_endian.h"

namespace tavrin::icons {
namespace {

using test::ByteVector;
using test::DibPicture;

// A copy of exactly `size` bytes, so that a read past them is a read past
// the heap block, which the sanitizer build reports.
std::optional<RgbaPixels> Decode(const ByteVector& bytes, std::size_t size) {
    const ByteVector exact(bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(size));
    return DecodeDibPixels(exact);
}

std::optional<RgbaPixels> Decode(const ByteVector& bytes) {
    return Decode(bytes, bytes.size());
}

ByteVector Opaque(ByteVector rgba) {
    for (std::size_t i = 3; i < rgba.size(); i += 4) {
        rgba[i] = 0xFF;
    }
    return rgba;
}

DibPicture WithoutAlpha(DibPicture picture) {
    for (std::uint32_t& value : picture.values) {
        value &= 0xFFFFFF;
    }
    return picture;
}

DibPicture Core(DibPicture picture) {
    picture.coreHeader = true;
    return picture;
}

DibPicture FullPalette(DibPicture picture) {
    picture.fullPalette = true;
    return picture;
}

TEST(DibPixelsTest, ReadsRowsBottomUpAndPixelsFromTheHighBits) {
    // 2 x 2 at 1 bit, laid out by hand: palette black and (R 10, G 20, B 30).
    const ByteVector dib = [] {
        ByteVector bytes;
        test::PutLe(bytes, 40, 4);
        test::PutLe(bytes, 2, 4);
        test::PutLe(bytes, 4, 4);
        test::PutLe(bytes, 1, 2);
        test::PutLe(bytes, 1, 2);
        test::PutLe(bytes, 0, 24);
        bytes.insert(bytes.end(), {0, 0, 0, 0, 0x30, 0x20, 0x10, 0});
        bytes.insert(bytes.end(), {0x80, 0, 0, 0, 0x40, 0, 0, 0});  // XOR: bottom row, top row
        bytes.insert(bytes.end(), {0x40, 0, 0, 0, 0x00, 0, 0, 0});  // AND: bottom right set
        return bytes;
    }();
    const auto pixels = Decode(dib);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, 2u);
    EXPECT_EQ(pixels->height, 2u);
    EXPECT_EQ(pixels->rgba, (ByteVector{0, 0, 0, 0xFF, 0x10, 0x20, 0x30, 0xFF,  // top
                                        0x10, 0x20, 0x30, 0xFF, 0, 0, 0, 0}));
}

TEST(DibPixelsTest, DecodesEveryDepthWithItsMask) {
    const struct {
        const char* name;
        DibPicture picture;
    } cases[] = {
        {"1 bit, rows and mask past 32 pixels", test::PatternedPicture(1, 33, 3)},
        {"4 bits, odd width", test::PatternedPicture(4, 5, 3)},
        {"4 bits, full palette", FullPalette(test::PatternedPicture(4, 3, 2))},
        {"8 bits, five colours used", test::PatternedPicture(8, 7, 2, 5)},
        {"8 bits, all colours", test::PatternedPicture(8, 4, 4)},
        {"24 bits, padded rows", test::PatternedPicture(24, 3, 4)},
        {"32 bits, own alpha overrides the mask", test::PatternedPicture(32, 5, 3)},
        {"32 bits, no alpha: the mask's", WithoutAlpha(test::PatternedPicture(32, 5, 3))},
        {"core header, 4 bits", Core(test::PatternedPicture(4, 6, 2))},
        {"core header, 8 bits", Core(test::PatternedPicture(8, 3, 3))},
        {"core header, 24 bits", Core(test::PatternedPicture(24, 2, 3))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto pixels = Decode(test::LayOutDib(c.picture).bytes);
        ASSERT_TRUE(pixels);
        EXPECT_EQ(pixels->width, c.picture.width);
        EXPECT_EQ(pixels->height, c.picture.height);
        EXPECT_EQ(pixels->rgba, test::ShownRgba(c.picture));
    }
}

TEST(DibPixelsTest, OwnAlphaKeepsTransparentAndOpaquePixelsWhateverTheMask) {
    DibPicture picture = test::PatternedPicture(32, 2, 1);
    picture.values = {0x00112233, 0xFF445566};
    picture.transparent = {false, true};
    const auto pixels = Decode(test::LayOutDib(picture).bytes);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->rgba, (ByteVector{0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0xFF}));
}

TEST(DibPixelsTest, AnIndexPastThePaletteIsBlack) {
    DibPicture picture = test::PatternedPicture(8, 2, 1, 2);
    picture.values = {1, 200};
    picture.transparent = {false, false};
    const auto pixels = Decode(test::LayOutDib(picture).bytes);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->rgba,
              (ByteVector{static_cast<std::uint8_t>(picture.palette[1] >> 16),
                          static_cast<std::uint8_t>(picture.palette[1] >> 8),
                          static_cast<std::uint8_t>(picture.palette[1]), 0xFF, 0, 0, 0, 0xFF}));
}

TEST(DibPixelsTest, ColoursUsedAtDirectDepthsTakeATableBeforeTheBits) {
    const DibPicture picture = test::PatternedPicture(24, 3, 2);
    ByteVector bytes = test::LayOutDib(picture).bytes;
    test::PutAt(bytes, 32, 2, 4);
    bytes.insert(bytes.begin() + 40, 8, 0xEE);
    const auto pixels = Decode(bytes);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->rgba, test::ShownRgba(picture));
}

TEST(DibPixelsTest, AMissingOrShortMaskLeavesTheImageOpaque) {
    for (const DibPicture& picture :
         {test::PatternedPicture(4, 5, 3), WithoutAlpha(test::PatternedPicture(32, 5, 3))}) {
        const test::DibLayout layout = test::LayOutDib(picture);
        for (std::size_t size : {layout.xorEnd, layout.xorEnd + 1, layout.bytes.size() - 1}) {
            SCOPED_TRACE(size);
            const auto pixels = Decode(layout.bytes, size);
            ASSERT_TRUE(pixels);
            EXPECT_EQ(pixels->rgba, Opaque(test::ShownRgba(picture)));
        }
    }
}

TEST(DibPixelsTest, AcceptsSidesUpToTheBound) {
    ByteVector bytes = test::LayOutDib(test::PatternedPicture(1, 1, 1)).bytes;
    bytes.resize(48);  // header and palette
    test::PutAt(bytes, 4, kMaxDibSide, 4);
    test::PutAt(bytes, 8, 2 * kMaxDibSide, 4);
    bytes.resize(bytes.size() + 2 * std::size_t{kMaxDibSide} * kMaxDibSide / 8, 0x0F);
    const auto pixels = Decode(bytes);
    ASSERT_TRUE(pixels);
    EXPECT_EQ(pixels->width, std::uint32_t{kMaxDibSide});
    EXPECT_EQ(pixels->height, std::uint32_t{kMaxDibSide});
    EXPECT_EQ(pixels->rgba.size(), 4 * std::size_t{kMaxDibSide} * kMaxDibSide);
}

TEST(DibPixelsTest, RefusesWhatItCannotDecode) {
    const test::DibLayout valid = test::LayOutDib(test::PatternedPicture(8, 4, 4));
    ASSERT_TRUE(Decode(valid.bytes));
    const std::size_t paletteEnd = 40 + 256 * 4;
    const struct {
        const char* name;
        std::size_t offset;
        std::uint32_t value;
        int width;  // bytes written at offset; 0 cuts the image to `value` bytes
    } cases[] = {
        {"empty", 0, 0, 0},
        {"header cut short", 0, 39, 0},
        {"header size 0", 0, 0, 4},
        {"header size between core and info", 0, 20, 4},
        {"header size past the image", 0, 0x10000, 4},
        {"header size near 4 GiB", 0, 0xFFFFFFFF, 4},
        {"width 0", 4, 0, 4},
        {"negative width", 4, 0xFFFFFFFC, 4},
        {"width past the bound", 4, kMaxDibSide + 1, 4},
        {"largest width", 4, 0x7FFFFFFF, 4},
        {"height 0", 8, 0, 4},
        {"height 1 holds no row", 8, 1, 4},
        {"top-down", 8, 0xFFFFFFF8, 4},
        {"height past the bound", 8, 2 * kMaxDibSide + 2, 4},
        {"0 bits", 14, 0, 2},
        {"2 bits", 14, 2, 2},
        {"16 bits", 14, 16, 2},
        {"64 bits", 14, 64, 2},
        {"run-length encoded", 16, 1, 4},
        {"bit fields", 16, 3, 4},
        {"PNG inside a bitmap", 16, 5, 4},
        {"colours used past the image", 32, 0xFFFFFFFF, 4},
        {"palette cut short", 0, static_cast<std::uint32_t>(paletteEnd - 1), 0},
        {"last row cut short", 0, static_cast<std::uint32_t>(valid.xorEnd - 1), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ByteVector bytes = valid.bytes;
        if (c.width == 0) {
            bytes.resize(c.value);
        } else {
            test::PutAt(bytes, c.offset, c.value, c.width);
        }
        EXPECT_FALSE(Decode(bytes));
    }
}

TEST(DibPixelsTest, EveryTruncationDecodesOrIsRefused) {
    for (const DibPicture& picture :
         {WithoutAlpha(test::PatternedPicture(32, 9, 5)), test::PatternedPicture(4, 9, 5)}) {
        const test::DibLayout layout = test::LayOutDib(picture);
        const ByteVector shown = test::ShownRgba(picture);
        for (std::size_t size = 0; size <= layout.bytes.size(); ++size) {
            SCOPED_TRACE(size);
            const auto pixels = Decode(layout.bytes, size);
            if (size < layout.xorEnd) {
                EXPECT_FALSE(pixels);
            } else {
                ASSERT_TRUE(pixels);
                EXPECT_EQ(pixels->rgba, size == layout.bytes.size() ? shown : Opaque(shown));
            }
        }
    }
}

}  // namespace
}  // namespace tavrin::icons
