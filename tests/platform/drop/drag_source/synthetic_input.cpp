#include "tests/platform/drop/drag_source/synthetic_input.h"

#include <cstdint>
#include <cstdlib>

namespace tavrin::test {
namespace {

constexpr int kSteps = 8;
constexpr DWORD kTurnWaitMs = 5000;
constexpr ULONGLONG kArrivalLimitMs = 20000;

void SendKey(WORD key, bool down) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
    SendInput(1, &input, sizeof(input));
}

// Absolute input is scaled to 0..65535 over the primary screen; rounding up
// makes the system's scaling back land on the very pixel.
LONG Normalised(LONG pixel, int screenSize) {
    if (screenSize <= 0 || pixel <= 0) {
        return 0;
    }
    const std::int64_t value = (std::int64_t{pixel} * 65536 + screenSize - 1) / screenSize;
    return static_cast<LONG>(value > 65535 ? 65535 : value);
}

void SendPointerTo(POINT point) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(point.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(point.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    SendInput(1, &input, sizeof(input));
}

constexpr ULONGLONG kForegroundLimitMs = 10000;

HWND TakeKeyboardFocus() {
    const HWND window =
        CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 0,
                        0, 1, 1, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) {
        return nullptr;
    }
    const ULONGLONG deadline = GetTickCount64() + kForegroundLimitMs;
    while (GetForegroundWindow() != window && GetTickCount64() < deadline) {
        SetForegroundWindow(window);
        SetFocus(window);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    return window;
}

bool PointerIsAt(POINT target) {
    POINT now{};
    return GetCursorPos(&now) != 0 && std::abs(now.x - target.x) <= 1 &&
           std::abs(now.y - target.y) <= 1;
}

}  // namespace

HeldKeys::HeldKeys(DWORD keys) : keys_(keys) {
    if (keys_ != 0) {
        focusWindow_ = TakeKeyboardFocus();
    }
    if ((keys_ & MK_CONTROL) != 0) {
        SendKey(VK_CONTROL, true);
    }
    if ((keys_ & MK_SHIFT) != 0) {
        SendKey(VK_SHIFT, true);
    }
}

HeldKeys::~HeldKeys() {
    if ((keys_ & MK_SHIFT) != 0) {
        SendKey(VK_SHIFT, false);
    }
    if ((keys_ & MK_CONTROL) != 0) {
        SendKey(VK_CONTROL, false);
    }
    if (focusWindow_ != nullptr) {
        DestroyWindow(focusWindow_);
    }
}

bool GlidePointer(POINT target, HANDLE loopTurned, const std::atomic<bool>& stop) {
    POINT start{};
    GetCursorPos(&start);
    for (int step = 1; step <= kSteps && !stop; ++step) {
        SendPointerTo(POINT{start.x + (target.x - start.x) * step / kSteps,
                            start.y + (target.y - start.y) * step / kSteps});
        ResetEvent(loopTurned);
        WaitForSingleObject(loopTurned, kTurnWaitMs);
    }
    const ULONGLONG deadline = GetTickCount64() + kArrivalLimitMs;
    while (!stop && !PointerIsAt(target)) {
        if (GetTickCount64() > deadline) {
            return false;
        }
        SendPointerTo(target);
        ResetEvent(loopTurned);
        WaitForSingleObject(loopTurned, kTurnWaitMs);
    }
    return !stop;
}

}  // namespace tavrin::test
