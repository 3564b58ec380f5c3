#include "platform/win/skin/drawing.h"

#include <algorithm>
#include <array>

#include "platform/win/skin/gdi.h"

namespace tavrin::platform::skin {
namespace {

HBRUSH DcBrush(HDC dc, COLORREF colour) {
    SetDCBrushColor(dc, colour);
    return static_cast<HBRUSH>(GetStockObject(DC_BRUSH));
}

COLOR16 Channel(BYTE value) {
    return static_cast<COLOR16>(value << 8);
}

TRIVERTEX Vertex(LONG x, LONG y, COLORREF colour) {
    return {
        x, y, Channel(GetRValue(colour)), Channel(GetGValue(colour)), Channel(GetBValue(colour)),
        0};
}

}  // namespace

RECT Inset(RECT r, int by) {
    InflateRect(&r, -by, -by);
    return r;
}

int Width(const RECT& r) {
    return r.right - r.left;
}
int Height(const RECT& r) {
    return r.bottom - r.top;
}

void FillSolid(HDC dc, const RECT& r, COLORREF colour) {
    FillRect(dc, &r, DcBrush(dc, colour));
}

void FrameSolid(HDC dc, const RECT& r, COLORREF colour) {
    FrameRect(dc, &r, DcBrush(dc, colour));
}

void FillGradient(HDC dc, const RECT& r, COLORREF top, COLORREF bottom) {
    if (Width(r) <= 0 || Height(r) <= 0) {
        return;
    }
    std::array<TRIVERTEX, 2> corners{Vertex(r.left, r.top, top), Vertex(r.right, r.bottom, bottom)};
    GRADIENT_RECT span{0, 1};
    GradientFill(dc, corners.data(), static_cast<ULONG>(corners.size()), &span, 1,
                 GRADIENT_FILL_RECT_V);
}

void PaintFace(HDC dc, const RECT& r, const FaceColours& face) {
    FillGradient(dc, Inset(r, 1), face.top, face.bottom);
    FrameSolid(dc, r, face.frame);
}

void PaintRoundFace(HDC dc, const RECT& r, const FaceColours& face) {
    {
        OwnedRegion round(CreateEllipticRgn(r.left, r.top, r.right + 1, r.bottom + 1));
        SavedDcState state(dc);
        if (round) {
            // The region is in device units; the DC may have a moved origin.
            POINT origin{};
            GetViewportOrgEx(dc, &origin);
            OffsetRgn(round.get(), origin.x, origin.y);
            ExtSelectClipRgn(dc, round.get(), RGN_AND);
        }
        FillGradient(dc, r, face.top, face.bottom);
    }
    SavedDcState state(dc);
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    SetDCPenColor(dc, face.frame);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

void FillArrow(HDC dc, const RECT& r, Direction direction, COLORREF colour) {
    const int size = std::max(2, std::min(Width(r), Height(r)) / 4);
    const int cx = r.left + Width(r) / 2;
    const int cy = r.top + Height(r) / 2;
    std::array<POINT, 3> points{};
    switch (direction) {
        case Direction::kUp:
            points = {
                {{cx - size, cy + size / 2}, {cx + size, cy + size / 2}, {cx, cy - size / 2 - 1}}};
            break;
        case Direction::kDown:
            points = {
                {{cx - size, cy - size / 2}, {cx + size, cy - size / 2}, {cx, cy + size / 2 + 1}}};
            break;
        case Direction::kLeft:
            points = {
                {{cx + size / 2, cy - size}, {cx + size / 2, cy + size}, {cx - size / 2 - 1, cy}}};
            break;
        case Direction::kRight:
            points = {
                {{cx - size / 2, cy - size}, {cx - size / 2, cy + size}, {cx + size / 2 + 1, cy}}};
            break;
    }
    SavedDcState state(dc);
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, colour);
    SetDCBrushColor(dc, colour);
    Polygon(dc, points.data(), static_cast<int>(points.size()));
}

void DrawCheckMark(HDC dc, const RECT& box, COLORREF colour) {
    const int w = Width(box);
    const int h = Height(box);
    const std::array<POINT, 3> tick{{{box.left + w * 3 / 13, box.top + h * 6 / 13},
                                     {box.left + w * 5 / 13, box.top + h * 9 / 13},
                                     {box.left + w * 10 / 13, box.top + h * 3 / 13}}};
    OwnedPen pen(CreatePen(PS_SOLID, std::max(2, w / 6), colour));
    Selection selected(dc, pen.get());
    Polyline(dc, tick.data(), static_cast<int>(tick.size()));
}

void FillDot(HDC dc, const RECT& r, COLORREF colour) {
    SavedDcState state(dc);
    SelectObject(dc, GetStockObject(DC_PEN));
    SelectObject(dc, GetStockObject(DC_BRUSH));
    SetDCPenColor(dc, colour);
    SetDCBrushColor(dc, colour);
    Ellipse(dc, r.left, r.top, r.right, r.bottom);
}

HBRUSH ParentBackground(HDC dc, HWND control, UINT ctl_colour_message, int fallback_colour) {
    HWND parent = GetParent(control);
    auto brush = parent != nullptr ? reinterpret_cast<HBRUSH>(SendMessageW(
                                         parent, ctl_colour_message, reinterpret_cast<WPARAM>(dc),
                                         reinterpret_cast<LPARAM>(control)))
                                   : nullptr;
    return brush != nullptr ? brush : GetSysColorBrush(fallback_colour);
}

LRESULT HiddenCues(HWND control) {
    return SendMessageW(control, WM_QUERYUISTATE, 0, 0);
}

std::wstring WindowTextOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(std::max(0, GetWindowTextLengthW(window))) + 1,
                      L'\0');
    const int length = GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(std::max(0, length)));
    return text;
}

void DrawControlText(HDC dc, HWND control, RECT& r, UINT format, COLORREF colour) {
    const std::wstring text = WindowTextOf(control);
    auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    Selection selected(dc, font);
    SavedDcState state(dc);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour);
    if ((HiddenCues(control) & UISF_HIDEACCEL) != 0) {
        format |= DT_HIDEPREFIX;
    }
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

}  // namespace tavrin::platform::skin
