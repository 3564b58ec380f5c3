// Push buttons, check boxes, radio buttons and group boxes.

#include <algorithm>

#include "platform/win/skin/drawing.h"
#include "platform/win/skin/gdi.h"
#include "platform/win/skin/painters.h"

namespace tavrin::platform::skin {
namespace {

constexpr int kCaptionPadding = 4;
constexpr int kMarkSize = 13;
constexpr int kMarkGap = 4;
constexpr int kGroupCaptionIndent = 8;

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}

bool ShowsFocus(HWND window) {
    return GetFocus() == window && (HiddenCues(window) & UISF_HIDEFOCUS) == 0;
}

enum class Align { kStart, kCentre, kEnd };

Align Horizontal(LONG style, Align otherwise) {
    switch (style & BS_CENTER) {
        case BS_LEFT:
            return Align::kStart;
        case BS_RIGHT:
            return Align::kEnd;
        case BS_CENTER:
            return Align::kCentre;
        default:
            return otherwise;
    }
}

Align Vertical(LONG style) {
    switch (style & BS_VCENTER) {
        case BS_TOP:
            return Align::kStart;
        case BS_BOTTOM:
            return Align::kEnd;
        default:
            return Align::kCentre;
    }
}

// Where a span of `size` goes within [start, end).
int Place(int start, int end, int size, Align align) {
    switch (align) {
        case Align::kStart:
            return start;
        case Align::kEnd:
            return end - size;
        case Align::kCentre:
            break;
    }
    return start + (end - start - size) / 2;
}

// Draws the caption within `area` as the button's style aligns it and
// returns the rectangle the text covers.
RECT DrawCaption(HDC dc, HWND window, const RECT& area, Align default_horizontal, COLORREF colour) {
    const LONG style = StyleOf(window);
    const Align horizontal = Horizontal(style, default_horizontal);
    const UINT lines = (style & BS_MULTILINE) != 0 ? DT_WORDBREAK : DT_SINGLELINE;
    const UINT alignment = horizontal == Align::kStart ? DT_LEFT
                           : horizontal == Align::kEnd ? DT_RIGHT
                                                       : DT_CENTER;
    RECT extent = area;
    DrawControlText(dc, window, extent, lines | DT_CALCRECT, colour);
    const int text_width = std::min(Width(extent), Width(area));
    const int text_height = Height(extent);
    const int top = Place(area.top, area.bottom, text_height, Vertical(style));
    RECT text{area.left, top, area.right, top + text_height};
    DrawControlText(dc, window, text, lines | alignment, colour);
    const int left = Place(area.left, area.right, text_width, horizontal);
    return {left, top, left + text_width, top + text_height};
}

COLORREF CaptionColour(bool enabled, COLORREF normal) {
    return enabled ? normal : GetSysColor(COLOR_GRAYTEXT);
}

void PaintPushButton(HDC dc, HWND window, const SkinnedControl& control,
                     const ColourScheme& scheme) {
    const LONG style = StyleOf(window);
    const LRESULT state_bits = SendMessageW(window, BM_GETSTATE, 0, 0);
    ControlState state = CommonState(window, control);
    // A check box or radio button with the push-like style shows its check
    // as a pressed face.
    state.pressed = (state_bits & (BST_PUSHED | BST_CHECKED | BST_INDETERMINATE)) != 0;

    RECT client{};
    GetClientRect(window, &client);
    PaintFace(dc, client, scheme.Face(state));
    const bool is_default = (style & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    if (state.enabled && (state.focused || is_default)) {
        FrameSolid(dc, Inset(client, 1), scheme.Emphasis());
    }
    RECT area = Inset(client, kCaptionPadding);
    if (state.pressed) {
        OffsetRect(&area, 1, 1);
    }
    DrawCaption(dc, window, area, Align::kCentre,
                CaptionColour(state.enabled, GetSysColor(COLOR_BTNTEXT)));
    if (ShowsFocus(window)) {
        const RECT focus = Inset(client, 3);
        DrawFocusRect(dc, &focus);
    }
}

void PaintCheckOrRadio(HDC dc, HWND window, const SkinnedControl& control,
                       const ColourScheme& scheme) {
    const LONG style = StyleOf(window);
    const LRESULT state_bits = SendMessageW(window, BM_GETSTATE, 0, 0);
    ControlState state = CommonState(window, control);
    state.pressed = (state_bits & BST_PUSHED) != 0;

    RECT client{};
    GetClientRect(window, &client);
    // Behind a check box lies what the parent paints behind a label.
    FillRect(dc, &client, ParentBackground(dc, window, WM_CTLCOLORSTATIC, COLOR_BTNFACE));
    const COLORREF text_colour = GetTextColor(dc);

    const int size = std::min<int>(kMarkSize, Height(client));
    const bool mark_on_right =
        (style & BS_LEFTTEXT) != 0 || (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
    const int mark_left = mark_on_right ? client.right - size : client.left;
    const int mark_top = Place(client.top, client.bottom, size, Vertical(style));
    const RECT mark{mark_left, mark_top, mark_left + size, mark_top + size};

    FaceColours face = scheme.Face(state);
    if (state.enabled && state.focused) {
        face.frame = scheme.Emphasis();
    }
    if (control.kind == ControlKind::kRadioButton) {
        PaintRoundFace(dc, mark, face);
        if ((state_bits & BST_CHECKED) != 0) {
            FillDot(dc, Inset(mark, 4), face.mark);
        }
    } else {
        PaintFace(dc, mark, face);
        if ((state_bits & BST_CHECKED) != 0) {
            DrawCheckMark(dc, mark, face.mark);
        } else if ((state_bits & BST_INDETERMINATE) != 0) {
            FillSolid(dc, Inset(mark, 3), Mix(face.mark, RGB(255, 255, 255), 120));
        }
    }

    RECT area = client;
    if (mark_on_right) {
        area.right = mark.left - kMarkGap;
    } else {
        area.left = mark.right + kMarkGap;
    }
    const RECT text =
        DrawCaption(dc, window, area, Align::kStart, CaptionColour(state.enabled, text_colour));
    if (ShowsFocus(window) && !IsRectEmpty(&text)) {
        RECT focus = text;
        InflateRect(&focus, 1, 1);
        IntersectRect(&focus, &focus, &client);
        DrawFocusRect(dc, &focus);
    }
}

int FontHeight(HDC dc, HWND window) {
    auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    Selection selected(dc, font);
    TEXTMETRICW metrics{};
    return GetTextMetricsW(dc, &metrics) ? metrics.tmHeight : 0;
}

void PaintGroupBox(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme) {
    const ControlState state = CommonState(window, control);
    RECT client{};
    GetClientRect(window, &client);
    const HBRUSH background = ParentBackground(dc, window, WM_CTLCOLORSTATIC, COLOR_BTNFACE);
    const COLORREF text_colour = CaptionColour(state.enabled, GetTextColor(dc));

    const int font_height = FontHeight(dc, window);
    RECT frame = client;
    frame.top += font_height / 2;
    FrameSolid(dc, frame, scheme.Face(state).frame);

    if (GetWindowTextLengthW(window) == 0) {
        return;
    }
    RECT caption{client.left + kGroupCaptionIndent, client.top, client.right - kGroupCaptionIndent,
                 client.top + font_height};
    DrawControlText(dc, window, caption, DT_SINGLELINE | DT_CALCRECT, text_colour);
    caption.right = std::min(caption.right, client.right - kGroupCaptionIndent);
    RECT behind = caption;
    InflateRect(&behind, 2, 0);
    FillRect(dc, &behind, background);
    DrawControlText(dc, window, caption, DT_SINGLELINE | DT_LEFT, text_colour);
}

}  // namespace

ControlState CommonState(HWND window, const SkinnedControl& control) {
    ControlState state;
    state.enabled = IsWindowEnabled(window) != 0;
    state.hovered = control.hovered;
    state.focused = GetFocus() == window;
    return state;
}

void PaintButton(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme) {
    const LONG style = StyleOf(window);
    switch (control.kind) {
        case ControlKind::kCheckBox:
        case ControlKind::kRadioButton:
            if ((style & BS_PUSHLIKE) != 0) {
                PaintPushButton(dc, window, control, scheme);
            } else {
                PaintCheckOrRadio(dc, window, control, scheme);
            }
            break;
        case ControlKind::kGroupBox:
            PaintGroupBox(dc, window, control, scheme);
            break;
        default:
            PaintPushButton(dc, window, control, scheme);
            break;
    }
}

}  // namespace tavrin::platform::skin
