#pragma once
// How a Label looks: one line, left-aligned and vertically centred, in its
// own colours. Its CR LF pairs do not break the line.

#include <windows.h>

#include <string>
#include <string_view>

namespace tavrin::platform {

// The text as the label draws it: every CR and LF left out.
std::wstring SingleLineText(std::wstring_view text);

// Paints an owner-drawn label from its WM_DRAWITEM.
void PaintLabel(const DRAWITEMSTRUCT& item, COLORREF textColour, COLORREF backColour);

}  // namespace tavrin::platform
