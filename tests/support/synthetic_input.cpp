#include "tests/support/synthetic_input.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace tavrin::test {
namespace {

INPUT Key(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

INPUT MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;  // at the pointer's position
    return input;
}

void Send(std::vector<INPUT> inputs) {
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

constexpr int kSteps = 8;
constexpr DWORD kTurnWaitMs = 5000;
constexpr ULONGLONG kArrivalLimitMs = 20000;

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
    Send({input});
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

void ClickAt(POINT screen) {
    SetCursorPos(screen.x, screen.y);
    Send({MouseButton(MOUSEEVENTF_LEFTDOWN), MouseButton(MOUSEEVENTF_LEFTUP)});
}

void PressKey(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> inputs;
    for (const WORD modifier : modifiers) {
        inputs.push_back(Key(modifier, false));
    }
    inputs.push_back(Key(key, false));
    inputs.push_back(Key(key, true));
    for (auto it = modifiers.end(); it != modifiers.begin();) {
        inputs.push_back(Key(*--it, true));
    }
    Send(inputs);
}

HeldKeys::HeldKeys(DWORD keys) : keys_(keys) {
    if (keys_ != 0) {
        focusWindow_ = TakeKeyboardFocus();
    }
    if ((keys_ & MK_CONTROL) != 0) {
        Send({Key(VK_CONTROL, false)});
    }
    if ((keys_ & MK_SHIFT) != 0) {
        Send({Key(VK_SHIFT, false)});
    }
}

HeldKeys::~HeldKeys() {
    if ((keys_ & MK_SHIFT) != 0) {
        Send({Key(VK_SHIFT, true)});
    }
    if ((keys_ & MK_CONTROL) != 0) {
        Send({Key(VK_CONTROL, true)});
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
