#include "tests/platform/skin/test_window.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>

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
    shot.image_ = test::CaptureWindow(window);
    if (shot.image_.pixels.empty()) {
        ADD_FAILURE() << "no screenshot";
    }
    return shot;
}

COLORREF Screenshot::At(int x, int y) const {
    // Checked: a failed capture is empty, and a test reading it must fail.
    const std::uint32_t p =
        image_.pixels.at(static_cast<std::size_t>(y) * static_cast<std::size_t>(Width()) +
                         static_cast<std::size_t>(x));
    return RGB(test::Red(p), test::Green(p), test::Blue(p));
}

int Screenshot::DifferingPixels(const Screenshot& other) const {
    int differing = 0;
    for (std::size_t i = 0; i < image_.pixels.size() && i < other.image_.pixels.size(); ++i) {
        differing += image_.pixels[i] != other.image_.pixels[i] ? 1 : 0;
    }
    return differing;
}

RECT Screenshot::BoundsOf(COLORREF colour) const {
    const int width = Width();
    const int height = Height();
    RECT bounds{width, height, 0, 0};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
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
    return test::WriteBmp(image_, path);
}

void ParkCursor() {
    SetCursorPos(5, 5);
    PumpMessages();
}

}  // namespace tavrin::skin_test
