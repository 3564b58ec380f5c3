#include "tools/png_image.h"

#include "icons/dib_pixels.h"
#include "tools/png_writer.h"

namespace tavrin::tools {

std::optional<std::vector<std::uint8_t>> ImageAsPng(const tavrin::icons::IconImage& image) {
    const std::span<const std::uint8_t> bytes = image.bytes();
    if (image.isPng) {
        return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
    }
    const std::optional<icons::RgbaPixels> pixels = icons::DecodeDibPixels(bytes);
    if (!pixels) {
        return std::nullopt;
    }
    return EncodeRgbaPng(pixels->width, pixels->height, pixels->rgba);
}

}  // namespace tavrin::tools
