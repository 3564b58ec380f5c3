#pragma once
// The shapes every skinned control is made of. Colours go through the DC's
// own brush and pen where that suffices, so most shapes create no object.

#include <windows.h>

#include <string>

#include "platform/win/skin/colour_scheme.h"

namespace tavrin::platform::skin {

enum class Direction { kUp, kDown, kLeft, kRight };

RECT Inset(RECT r, int by);
int Width(const RECT& r);
int Height(const RECT& r);

void FillSolid(HDC dc, const RECT& r, COLORREF colour);
// A one-pixel outline just inside `r`.
void FrameSolid(HDC dc, const RECT& r, COLORREF colour);
// Top colour at the top row, bottom colour at the bottom row.
void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom);

// A framed face: the gradient of `face` inside a frame of its colour.
void PaintFace(HDC dc, const RECT& r, const FaceColours& face);
// The same, round, filling the ellipse inside `r`.
void PaintRoundFace(HDC dc, const RECT& r, const FaceColours& face);

// A solid triangle pointing in `direction`, centred in `r`.
void FillArrow(HDC dc, const RECT& r, Direction direction, COLORREF colour);
void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour);
void FillDot(HDC dc, const RECT& r, COLORREF colour);

// The brush the parent wants behind the control, asked for with
// WM_CTLCOLORxxx as the system's own controls ask; the parent may also set
// the DC's text colour. The brush is not the caller's to delete.
HBRUSH ParentBackground(HDC dc, HWND control, UINT ctl_colour_message, int fallback_colour);

// What WM_QUERYUISTATE says should be hidden (UISF_HIDEFOCUS, UISF_HIDEACCEL).
LRESULT HiddenCues(HWND control);

std::wstring WindowTextOf(HWND window);

// The control's caption in its own font (WM_GETFONT), mnemonic underline
// hidden while the keyboard cues are. With DT_CALCRECT, `r` receives the
// extent instead.
void DrawControlText(HDC dc, HWND control, RECT& r, UINT format, COLORREF colour);

}  // namespace tavrin::platform::skin
