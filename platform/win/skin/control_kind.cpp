#include "platform/win/skin/control_kind.h"

#include <array>
#include <cwchar>

namespace tavrin::platform::skin {
namespace {

// Longer than any class name the skin handles, so a longer name cannot
// match by its prefix.
using ClassName = std::array<wchar_t, 64>;

ClassName ClassOf(HWND window) {
    ClassName name{};
    if (window == nullptr ||
        GetClassNameW(window, name.data(), static_cast<int>(name.size())) == 0) {
        name[0] = L'\0';
    }
    return name;
}

// Window class names compare without regard to case.
bool IsClass(const ClassName& name, const wchar_t* wanted) {
    return _wcsicmp(name.data(), wanted) == 0;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

std::optional<ControlKind> ButtonKind(LONG style) {
    // Buttons that show a picture instead of their text keep the system look.
    if ((style & (BS_BITMAP | BS_ICON)) != 0) {
        return std::nullopt;
    }
    switch (style & BS_TYPEMASK) {
        case BS_PUSHBUTTON:
        case BS_DEFPUSHBUTTON:
            return ControlKind::kPushButton;
        case BS_CHECKBOX:
        case BS_AUTOCHECKBOX:
        case BS_3STATE:
        case BS_AUTO3STATE:
            return ControlKind::kCheckBox;
        case BS_RADIOBUTTON:
        case BS_AUTORADIOBUTTON:
            return ControlKind::kRadioButton;
        case BS_GROUPBOX:
            return ControlKind::kGroupBox;
        default:  // owner-drawn, user, split and command-link buttons
            return std::nullopt;
    }
}

bool IsDropDownCombo(HWND window) {
    return IsClass(ClassOf(window), L"ComboBox") && (StyleOf(window) & 3) != CBS_SIMPLE;
}

}  // namespace

std::optional<ControlKind> HandledKind(HWND window, HWND creator) {
    const ClassName name = ClassOf(window);
    if (IsClass(name, L"Button")) {
        return ButtonKind(StyleOf(window));
    }
    if (IsClass(name, L"Edit")) {
        // The four fields of an IP-address control are drawn as one box.
        if (IsClass(ClassOf(creator), L"SysIPAddress32")) {
            return std::nullopt;
        }
        return ControlKind::kEdit;
    }
    if (IsClass(name, L"ComboBox")) {
        return IsDropDownCombo(window) ? std::optional(ControlKind::kComboBox) : std::nullopt;
    }
    if (IsClass(name, L"ComboLBox")) {
        return IsDropDownCombo(creator) ? std::optional(ControlKind::kComboList) : std::nullopt;
    }
    if (IsClass(name, L"msctls_updown32")) {
        return ControlKind::kUpDown;
    }
    return std::nullopt;
}

HWND ListOfComboBox(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

}  // namespace tavrin::platform::skin
