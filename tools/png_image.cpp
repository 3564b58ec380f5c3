#include "tools/png_image.h"

// Stand-in until the converter lands: PNG images only.
std::optional<std::vector<std::uint8_t>> ImageAsPng(const tavrin::icons::IconImage& image) {
    if (!image.isPng) {
        return std::nullopt;
    }
    const auto bytes = image.bytes();
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}
