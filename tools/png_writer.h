#pragma once
// A PNG file from straight RGBA pixels.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tavrin::tools {

// An 8-bit RGBA PNG of `rgba` (4 bytes per pixel, top row first). None when
// a side is zero or too large for PNG, `rgba` does not hold exactly
// width * height pixels, or compression fails.
std::optional<std::vector<std::uint8_t>> EncodeRgbaPng(std::uint32_t width, std::uint32_t height,
                                                       std::span<const std::uint8_t> rgba);

}  // namespace tavrin::tools
