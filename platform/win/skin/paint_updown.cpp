// Up-down controls: two faces, each with its arrow.

#include <windows.h>

#include <commctrl.h>

#include "platform/win/skin/drawing.h"
#include "platform/win/skin/painters.h"

namespace tavrin::platform::skin {
namespace {

bool IsHorizontal(HWND window) {
    return (GetWindowLongW(window, GWL_STYLE) & UDS_HORZ) != 0;
}

// The two halves share their middle line.
void SplitHalves(HWND window, RECT& first, RECT& second) {
    RECT client{};
    GetClientRect(window, &client);
    first = client;
    second = client;
    if (IsHorizontal(window)) {
        const int middle = client.left + Width(client) / 2;
        first.right = middle + 1;
        second.left = middle;
    } else {
        const int middle = client.top + Height(client) / 2;
        first.bottom = middle + 1;
        second.top = middle;
    }
}

void PaintHalf(HDC dc, const RECT& r, UpDownPart part, Direction arrow,
               const SkinnedControl& control, ControlState state, const ColourScheme& scheme) {
    state.hovered = control.hot_part == part;
    state.pressed = control.pressed_part == part && control.hot_part == part;
    const FaceColours face = scheme.Face(state);
    PaintFace(dc, r, face);
    FillArrow(dc, r, arrow, face.mark);
}

}  // namespace

UpDownPart UpDownPartAt(HWND window, POINT point) {
    RECT first{};
    RECT second{};
    SplitHalves(window, first, second);
    if (PtInRect(&first, point)) {
        return UpDownPart::kFirst;
    }
    return PtInRect(&second, point) ? UpDownPart::kSecond : UpDownPart::kNone;
}

void PaintUpDown(HDC dc, HWND window, const SkinnedControl& control, const ColourScheme& scheme) {
    RECT first{};
    RECT second{};
    SplitHalves(window, first, second);
    const ControlState state = CommonState(window, control);
    const bool horizontal = IsHorizontal(window);
    PaintHalf(dc, first, UpDownPart::kFirst, horizontal ? Direction::kLeft : Direction::kUp,
              control, state, scheme);
    PaintHalf(dc, second, UpDownPart::kSecond, horizontal ? Direction::kRight : Direction::kDown,
              control, state, scheme);
}

}  // namespace tavrin::platform::skin
