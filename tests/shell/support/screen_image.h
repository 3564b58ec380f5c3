#pragma once
// Pixels taken from the screen, and a PNG file of them.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace tavrin::test {

struct ScreenImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first

    std::uint32_t At(int x, int y) const {
        return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                      static_cast<std::size_t>(x)];
    }
};

// What the screen shows in `area` (screen coordinates).
ScreenImage CaptureScreen(const RECT& area);

// Writes the image as an 8-bit RGB PNG; false when the file cannot be
// written.
bool WritePng(const ScreenImage& image, const std::string& path);

inline int Red(std::uint32_t pixel) {
    return static_cast<int>((pixel >> 16) & 0xFF);
}
inline int Green(std::uint32_t pixel) {
    return static_cast<int>((pixel >> 8) & 0xFF);
}
inline int Blue(std::uint32_t pixel) {
    return static_cast<int>(pixel & 0xFF);
}
inline std::uint32_t FromColorRef(COLORREF colour) {
    return (static_cast<std::uint32_t>(GetRValue(colour)) << 16) |
           (static_cast<std::uint32_t>(GetGValue(colour)) << 8) | GetBValue(colour);
}

}  // namespace tavrin::test
