#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "icons/icon_image.h"

// The image as a PNG file's bytes: PNG images as stored, bitmaps converted.
std::optional<std::vector<std::uint8_t>> ImageAsPng(const tavrin::icons::IconImage& image);
