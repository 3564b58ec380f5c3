#include "tests/platform/skin/test_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

#include "platform/win/skin/gdi.h"

namespace tavrin::skin_test {
namespace {

constexpr wchar_t kHostClass[] = L"TavrinSkinTestHost";
constexpr int kHostLeft = 200;
constexpr int kHostTop = 150;

void RegisterOnce() {
    static const bool registered = [] {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_UPDOWN_CLASS |
                                                           ICC_INTERNET_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        WNDCLASSW host{};
        host.lpfnWndProc = DefWindowProcW;
        host.hInstance = GetModuleHandleW(nullptr);
        host.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
        host.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        host.lpszClassName = kHostClass;
        return RegisterClassW(&host) != 0;
    }();
    ASSERT_TRUE(registered);
}

}  // namespace

HostWindow::HostWindow(int width, int height) {
    RegisterOnce();
    window_ = CreateWindowExW(0, kHostClass, L"skin test", WS_POPUP | WS_BORDER | WS_CLIPCHILDREN,
                              kHostLeft, kHostTop, width, height, nullptr, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(window_, nullptr);
    // Not activated: under Wine, destroying the active window waits two
    // seconds for the X server to move the focus.
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
}

HostWindow::~HostWindow() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
    PumpMessages();
}

HWND MakeControl(HWND parent, const wchar_t* class_name, DWORD style, RECT bounds,
                 const wchar_t* text, DWORD ex_style) {
    HWND control =
        CreateWindowExW(ex_style, class_name, text, WS_CHILD | WS_VISIBLE | style, bounds.left,
                        bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                        nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(control, nullptr) << "class " << class_name;
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    return control;
}

void PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

void RepaintNow(HWND window) {
    RedrawWindow(window, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

Screenshot Screenshot::Of(HWND window) {
    Screenshot shot;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    shot.width_ = bounds.right - bounds.left;
    shot.height_ = bounds.bottom - bounds.top;
    shot.pixels_.assign(static_cast<std::size_t>(shot.width_) * shot.height_, 0);

    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shot.width_;
    format.bmiHeader.biHeight = -shot.height_;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    platform::skin::WindowDc source(window, platform::skin::WindowDc::kWholeWindow);
    platform::skin::MemoryDc memory(source.get());
    platform::skin::OwnedBitmap bitmap(
        CreateDIBSection(source.get(), &format, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!source || !memory || !bitmap) {
        ADD_FAILURE() << "no screenshot";
        return shot;
    }
    platform::skin::Selection selected(memory.get(), bitmap.get());
    BitBlt(memory.get(), 0, 0, shot.width_, shot.height_, source.get(), 0, 0, SRCCOPY);
    GdiFlush();
    const auto* data = static_cast<const std::uint32_t*>(bits);
    for (std::size_t i = 0; i < shot.pixels_.size(); ++i) {
        shot.pixels_[i] = data[i] & 0xFFFFFF;
    }
    return shot;
}

COLORREF Screenshot::At(int x, int y) const {
    const std::uint32_t p = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

int Screenshot::DifferingPixels(const Screenshot& other) const {
    int differing = 0;
    for (std::size_t i = 0; i < pixels_.size() && i < other.pixels_.size(); ++i) {
        differing += pixels_[i] != other.pixels_[i] ? 1 : 0;
    }
    return differing;
}

RECT Screenshot::BoundsOf(COLORREF colour) const {
    RECT bounds{width_, height_, 0, 0};
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) == colour) {
                bounds = {std::min<LONG>(bounds.left, x), std::min<LONG>(bounds.top, y),
                          std::max<LONG>(bounds.right, x + 1),
                          std::max<LONG>(bounds.bottom, y + 1)};
            }
        }
    }
    return bounds.left < bounds.right ? bounds : RECT{};
}

bool Screenshot::SaveBmp(const std::string& path) const {
    const int row = (width_ * 3 + 3) & ~3;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width_;
    info.biHeight = height_;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(row * height_);
    std::unique_ptr<FILE, int (*)(FILE*)> out(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!out) {
        return false;
    }
    std::fwrite(&file, sizeof file, 1, out.get());
    std::fwrite(&info, sizeof info, 1, out.get());
    std::vector<unsigned char> line(static_cast<std::size_t>(row), 0);
    for (int y = height_ - 1; y >= 0; --y) {
        for (int x = 0; x < width_; ++x) {
            const COLORREF c = At(x, y);
            line[x * 3] = GetBValue(c);
            line[x * 3 + 1] = GetGValue(c);
            line[x * 3 + 2] = GetRValue(c);
        }
        std::fwrite(line.data(), line.size(), 1, out.get());
    }
    return true;
}

void ParkCursor() {
    SetCursorPos(5, 5);
    PumpMessages();
}

}  // namespace tavrin::skin_test
