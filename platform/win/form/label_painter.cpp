#include "platform/win/form/label_painter.h"

#include "platform/win/form/form_description.h"
#include "platform/win/form/gdi_object.h"

namespace tavrin::platform {
namespace {

std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

std::wstring SingleLineText(std::wstring_view text) {
    std::wstring line;
    line.reserve(text.size());
    for (const wchar_t c : text) {
        if (c != L'\r' && c != L'\n') {
            line += c;
        }
    }
    return line;
}

void PaintLabel(const DRAWITEMSTRUCT& item, COLORREF textColour, COLORREF backColour) {
    const HDC dc = item.hDC;
    RECT area = item.rcItem;
    {
        GdiObject back(backColour == kSystemColour ? nullptr : CreateSolidBrush(backColour));
        FillRect(dc, &area,
                 back.Get() != nullptr ? static_cast<HBRUSH>(back.Get())
                                       : GetSysColorBrush(COLOR_BTNFACE));
    }
    const bool enabled = IsWindowEnabled(item.hwndItem) != 0;
    SetTextColor(dc, !enabled                      ? GetSysColor(COLOR_GRAYTEXT)
                     : textColour == kSystemColour ? GetSysColor(COLOR_BTNTEXT)
                                                   : textColour);
    SetBkMode(dc, TRANSPARENT);
    const auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(item.hwndItem, WM_GETFONT, 0, 0));
    SelectedObject selected(dc, font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring line = SingleLineText(WindowText(item.hwndItem));
    DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &area,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

}  // namespace tavrin::platform
