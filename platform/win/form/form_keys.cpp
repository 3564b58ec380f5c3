#include "platform/win/form/form_keys.h"

#include "platform/win/form/form.h"

namespace tavrin::platform {
namespace {

bool IsDown(int virtualKey) {
    return (GetKeyState(virtualKey) & 0x8000) != 0;
}

}  // namespace

KeyAction ActionForKey(UINT virtualKey, HeldKeys held) {
    switch (virtualKey) {
        case VK_ESCAPE:
            if (!held.ctrl && !held.shift && !held.alt) {
                return KeyAction::kClose;
            }
            return KeyAction::kSwallow;
        case VK_TAB:
            if (held.ctrl || held.alt) {
                return KeyAction::kPassOn;
            }
            return held.shift ? KeyAction::kFocusPrevious : KeyAction::kFocusNext;
        case VK_RETURN:
        case VK_F1:
            return KeyAction::kSwallow;
        default:
            return KeyAction::kPassOn;
    }
}

bool HandleFormKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.hwnd == nullptr) {
        return false;
    }
    const HWND root = GetAncestor(message.hwnd, GA_ROOT);
    if (Form::FromHandle(root) == nullptr) {
        return false;
    }
    const HeldKeys held{IsDown(VK_CONTROL), IsDown(VK_SHIFT), IsDown(VK_MENU)};
    switch (ActionForKey(static_cast<UINT>(message.wParam), held)) {
        case KeyAction::kPassOn:
            return false;
        case KeyAction::kClose:
            SendMessageW(root, WM_CLOSE, 0, 0);
            return true;
        case KeyAction::kFocusNext:
        case KeyAction::kFocusPrevious: {
            const HWND focus = GetFocus();
            const bool previous = held.shift;
            const HWND next = GetNextDlgTabItem(
                root, focus != nullptr && IsChild(root, focus) ? focus : nullptr, previous);
            if (next != nullptr) {
                SetFocus(next);
            }
            return true;
        }
        case KeyAction::kSwallow:
            return true;
    }
    return false;
}

}  // namespace tavrin::platform
