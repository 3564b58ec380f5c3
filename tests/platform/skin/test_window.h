#pragma once
// Windows and screenshots for the skin's tests: real controls on a visible
// top-level window of the test's own thread.

#include <windows.h>

#include <chrono>
#include <string>

#include "tests/support/screen_image.h"

namespace tavrin::skin_test {

// A visible top-level window with the system's button-face background,
// destroyed with its controls at scope end.
class HostWindow {
  public:
    explicit HostWindow(int width = 420, int height = 320);
    HostWindow(const HostWindow&) = delete;
    HostWindow& operator=(const HostWindow&) = delete;
    ~HostWindow();

    HWND get() const { return window_; }

  private:
    HWND window_;
};

// A child control; fails the test when it cannot be made.
HWND MakeControl(HWND parent, const wchar_t* class_name, DWORD style, RECT bounds,
                 const wchar_t* text = L"", DWORD ex_style = 0);

void PumpMessages();
// Pumps messages until `done()` holds or `timeout` passes; returns done().
bool PollUntil(const auto& done, std::chrono::milliseconds timeout = std::chrono::seconds(20)) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (!done()) {
        if (std::chrono::steady_clock::now() > deadline) {
            return false;
        }
        PumpMessages();
        Sleep(10);
    }
    return true;
}

// Invalidates the window, its frame and its children and paints them now.
void RepaintNow(HWND window);

// The pixels of a window, frame included, as it draws itself, seen in
// COLORREF terms as the skin's colours are given.
class Screenshot {
  public:
    static Screenshot Of(HWND window);

    int Width() const { return image_.width; }
    int Height() const { return image_.height; }
    COLORREF At(int x, int y) const;
    bool operator==(const Screenshot& other) const = default;
    // How many pixels differ from `other`, which must be of the same size.
    int DifferingPixels(const Screenshot& other) const;
    // The smallest rectangle holding every pixel of `colour`; empty if none.
    RECT BoundsOf(COLORREF colour) const;
    // As a 24-bit BMP file, for looking at.
    bool SaveBmp(const std::string& path) const;

  private:
    test::ScreenImage image_;
};

// The cursor where no test window lies, so nothing is hovered by accident.
void ParkCursor();

}  // namespace tavrin::skin_test
