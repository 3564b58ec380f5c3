#pragma once
// Pixels taken from the screen or from one window, and image files of them
// for a person to look at.

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
    bool operator==(const ScreenImage& other) const = default;
};

// What the screen shows in `area` (screen coordinates), whoever's windows
// those are.
ScreenImage CaptureScreen(const RECT& area);
// A window of this process as it draws itself, frame included, whatever
// lies over it on the screen. Empty when it cannot be taken.
ScreenImage CaptureWindow(HWND window);

// Writes the image as an 8-bit RGB PNG; false when the file cannot be
// written.
bool WritePng(const ScreenImage& image, const std::string& path);
// Writes the image as a 24-bit BMP; false when the file cannot be written.
bool WriteBmp(const ScreenImage& image, const std::string& path);

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
