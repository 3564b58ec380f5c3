#include "platform/win/skin/subclass_proc.h"

#include <windows.h>

#include <commctrl.h>
#include <windowsx.h>

#include "platform/win/skin/gdi.h"
#include "platform/win/skin/offscreen_canvas.h"
#include "platform/win/skin/painters.h"
#include "platform/win/skin/skin_state.h"

namespace tavrin::platform::skin {
namespace {

// Everything here runs inside a window procedure: nothing may throw out of
// it. The skin's record of a window is looked up again after every call
// into the control, which may have switched the skin off or over.

LRESULT Default(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return DefSubclassProc(window, message, wparam, lparam);
}

// Paints with `paint(dc)` the way a control paints: into the DC a caller
// gave, or for WM_PAINT between BeginPaint and EndPaint.
template <typename Paint>
void PaintMessage(HWND window, UINT message, WPARAM wparam, bool buffered, Paint paint) {
    auto paint_onto = [&](HDC dc) {
        RECT client{};
        GetClientRect(window, &client);
        if (!buffered) {
            paint(dc);
            return;
        }
        OffscreenCanvas canvas(dc, client);
        paint(canvas.dc());
        canvas.Present();
    };
    try {
        if (message == WM_PAINT && wparam == 0) {
            PaintScope scope(window);
            paint_onto(scope.get());
        } else {
            paint_onto(reinterpret_cast<HDC>(wparam));
        }
    } catch (...) {
        // Out of memory for a caption: the control stays as it was.
    }
}

void Repaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

// Starts or ends the hover highlight; true when it changed.
bool TrackHover(HWND window, UINT message) {
    SkinnedControl* control = FindSkinned(window);
    if (control == nullptr) {
        return false;
    }
    if (message == WM_MOUSEMOVE && !control->hovered) {
        control->hovered = true;
        TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, window, 0};
        TrackMouseEvent(&request);
        return true;
    }
    if ((message == WM_MOUSELEAVE || (message == WM_ENABLE && !IsWindowEnabled(window))) &&
        control->hovered) {
        control->hovered = false;
        return true;
    }
    return false;
}

// --- Buttons: the skin paints all of them -----------------------------------

bool ChangesButtonLook(UINT message) {
    switch (message) {
        case WM_SETTEXT:
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_SETFONT:
        case WM_STYLECHANGED:
        case WM_UPDATEUISTATE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
        case WM_LBUTTONUP:
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CAPTURECHANGED:
        case BM_SETSTATE:
        case BM_SETCHECK:
        case BM_SETSTYLE:
            return true;
        default:
            return false;
    }
}

LRESULT OnButtonMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam, ControlKind kind) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            // A group box is open in the middle: what lies behind it stays.
            PaintMessage(window, message, wparam, kind != ControlKind::kGroupBox, [&](HDC dc) {
                if (const SkinnedControl* control = FindSkinned(window)) {
                    PaintButton(dc, window, *control, CurrentScheme());
                }
            });
            return 0;
        case WM_ERASEBKGND:
            if (kind != ControlKind::kGroupBox) {
                return 1;  // the paint covers every pixel
            }
            break;
        default:
            break;
    }
    const LRESULT result = Default(window, message, wparam, lparam);
    // The control may have drawn itself outside WM_PAINT; draw over it.
    if ((TrackHover(window, message) || ChangesButtonLook(message)) && FindSkinned(window)) {
        Repaint(window);
    }
    return result;
}

// --- Edit boxes and lists: the skin paints their border ---------------------

bool ChangesBorderLook(UINT message) {
    switch (message) {
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_STYLECHANGED:
        case EM_SETREADONLY:
            return true;
        default:
            return false;
    }
}

void PaintBorderNow(HWND window) {
    const SkinnedControl* control = FindSkinned(window);
    if (control == nullptr || !IsWindowVisible(window)) {
        return;
    }
    WindowDc dc(window, WindowDc::kWholeWindow);
    if (dc) {
        PaintBorder(dc.get(), window, *control, CurrentScheme());
    }
}

LRESULT OnBorderedMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = Default(window, message, wparam, lparam);
    if (message == WM_PRINT && (lparam & PRF_NONCLIENT) != 0) {
        if (const SkinnedControl* control = FindSkinned(window)) {
            PaintBorder(reinterpret_cast<HDC>(wparam), window, *control, CurrentScheme());
        }
    } else if (message == WM_NCPAINT || TrackHover(window, message) || ChangesBorderLook(message)) {
        PaintBorderNow(window);
    }
    return result;
}

// --- Combo boxes: the system paints, the skin draws frame and button over ---

bool ChangesComboLook(UINT message) {
    switch (message) {
        case WM_ENABLE:
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_COMMAND:  // the edit field gained or lost the focus
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case CB_SHOWDROPDOWN:
            return true;
        default:
            return false;
    }
}

void PaintComboNow(HWND window, HDC given) {
    const SkinnedControl* control = FindSkinned(window);
    if (control == nullptr) {
        return;
    }
    if (given != nullptr) {
        PaintComboBoxParts(given, window, *control, CurrentScheme());
        return;
    }
    if (!IsWindowVisible(window)) {
        return;
    }
    WindowDc dc(window, WindowDc::kClient);
    if (dc) {
        PaintComboBoxParts(dc.get(), window, *control, CurrentScheme());
    }
}

LRESULT OnComboMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    const LRESULT result = Default(window, message, wparam, lparam);
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        PaintComboNow(window, reinterpret_cast<HDC>(wparam));
    } else if (TrackHover(window, message) || ChangesComboLook(message)) {
        PaintComboNow(window, nullptr);
    }
    return result;
}

// --- Up-down controls: the skin paints both halves --------------------------

UpDownPart PartUnder(HWND window, LPARAM lparam) {
    return UpDownPartAt(window, {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)});
}

// Updates what the skin shows as hot and pressed; true when it changed.
bool TrackUpDownParts(HWND window, UINT message, LPARAM lparam) {
    SkinnedControl* control = FindSkinned(window);
    if (control == nullptr) {
        return false;
    }
    const SkinnedControl before = *control;
    switch (message) {
        case WM_MOUSEMOVE:
            control->hot_part = PartUnder(window, lparam);
            break;
        case WM_MOUSELEAVE:
            control->hot_part = UpDownPart::kNone;
            break;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:
            control->hot_part = PartUnder(window, lparam);
            control->pressed_part = control->hot_part;
            break;
        case WM_LBUTTONUP:
        case WM_CAPTURECHANGED:
        case WM_ENABLE:
            control->pressed_part = UpDownPart::kNone;
            break;
        default:
            break;
    }
    return control->hot_part != before.hot_part || control->pressed_part != before.pressed_part;
}

LRESULT OnUpDownMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_PAINT:
        case WM_PRINTCLIENT:
            PaintMessage(window, message, wparam, true, [&](HDC dc) {
                if (const SkinnedControl* control = FindSkinned(window)) {
                    PaintUpDown(dc, window, *control, CurrentScheme());
                }
            });
            return 0;
        case WM_ERASEBKGND:
            return 1;
        default:
            break;
    }
    const bool parts_changed = TrackUpDownParts(window, message, lparam);
    const LRESULT result = Default(window, message, wparam, lparam);
    const bool hover_changed = TrackHover(window, message);
    if ((parts_changed || hover_changed || message == WM_ENABLE) && FindSkinned(window)) {
        Repaint(window);
    }
    return result;
}

}  // namespace

UINT SkinLayerCountMessage() {
    static const UINT message = RegisterWindowMessageW(L"Tavrin.Skin.LayerCount");
    return message;
}

LRESULT CALLBACK SkinSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == SkinLayerCountMessage()) {
        return Default(window, message, wparam, lparam) + 1;
    }
    if (message == WM_DESTROY || message == WM_NCDESTROY) {
        ReleaseWindow(window);
        return Default(window, message, wparam, lparam);
    }
    const SkinnedControl* control = FindSkinned(window);
    if (control == nullptr) {
        return Default(window, message, wparam, lparam);
    }
    switch (control->kind) {
        case ControlKind::kPushButton:
        case ControlKind::kCheckBox:
        case ControlKind::kRadioButton:
        case ControlKind::kGroupBox:
            return OnButtonMessage(window, message, wparam, lparam, control->kind);
        case ControlKind::kEdit:
        case ControlKind::kComboList:
            return OnBorderedMessage(window, message, wparam, lparam);
        case ControlKind::kComboBox:
            return OnComboMessage(window, message, wparam, lparam);
        case ControlKind::kUpDown:
            return OnUpDownMessage(window, message, wparam, lparam);
    }
    return Default(window, message, wparam, lparam);
}

}  // namespace tavrin::platform::skin
