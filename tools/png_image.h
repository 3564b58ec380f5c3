#pragma once
// Any icon image as a PNG file.

#include <cstdint>
#include <optional>
#include <vector>

#include "icons/icon_image.h"

namespace tavrin::tools {

// The image as a PNG file's bytes: a PNG image byte for byte as stored, a
// bitmap converted with its AND mask as alpha. None when the bitmap cannot be decoded.
std::optional<std::vector<std::uint8_t>> ImageAsPng(const tavrin::icons::IconImage& image);

}  // namespace tavrin::tools
