#include "platform/win/skin/creation_hook.h"

namespace tavrin::platform::skin {
namespace {

// A hook procedure has no context argument; there is one hook per process,
// owned by the UI thread.
CreationHook::Observer g_observer = nullptr;

}  // namespace

CreationHook::CreationHook(Observer observer)
    : hook_(SetWindowsHookExW(WH_CALLWNDPROC, OnCallWindowProc, nullptr, GetCurrentThreadId())) {
    if (hook_ != nullptr) {
        g_observer = observer;
    }
}

CreationHook::~CreationHook() {
    if (hook_ != nullptr) {
        UnhookWindowsHookEx(hook_);
        g_observer = nullptr;
    }
}

LRESULT CALLBACK CreationHook::OnCallWindowProc(int code, WPARAM wparam, LPARAM lparam) {
    if (code == HC_ACTION && g_observer != nullptr) {
        const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lparam);
        if (call.message == WM_CREATE && call.lParam != 0) {
            const auto& creation = *reinterpret_cast<const CREATESTRUCTW*>(call.lParam);
            g_observer(call.hwnd, creation.hwndParent);
        }
    }
    return CallNextHookEx(nullptr, code, wparam, lparam);
}

}  // namespace tavrin::platform::skin
