#include "tests/platform/drop/support/test_window.h"

namespace tavrin::test {
namespace {

constexpr wchar_t kClassName[] = L"TavrinDropTestWindow";

void RegisterTestClass() {
    static const bool registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass) != 0;
    }();
    (void)registered;
}

}  // namespace

TestWindow::TestWindow(RECT bounds, bool visible) {
    RegisterTestClass();
    window_ = CreateWindowExW(visible ? WS_EX_TOPMOST : 0, kClassName, L"drop test",
                              WS_POPUP | (visible ? WS_VISIBLE : 0), bounds.left, bounds.top,
                              bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
}

TestWindow::~TestWindow() {
    Destroy();
}

void TestWindow::Destroy() {
    if (window_ != nullptr && IsWindow(window_)) {
        DestroyWindow(window_);
    }
    window_ = nullptr;
}

bool PumpMessagesUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG deadline = GetTickCount64() + timeoutMs;
    while (!done()) {
        const ULONGLONG now = GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        // Short waits: `done` may turn true without a message arriving.
        const DWORD wait = static_cast<DWORD>(deadline - now < 50 ? deadline - now : 50);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, wait, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return true;
}

}  // namespace tavrin::test
