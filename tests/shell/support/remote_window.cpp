#include "tests/shell/support/remote_window.h"

namespace tavrin::test {
namespace {

struct ChildSearch {
    HWND parent;
    std::vector<ChildInfo> children;
};

BOOL CALLBACK CollectChild(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<ChildSearch*>(lParam);
    if (GetParent(window) != search.parent) {
        return TRUE;
    }
    ChildInfo info;
    info.window = window;
    GetWindowRect(window, &info.place);
    MapWindowPoints(HWND_DESKTOP, search.parent, reinterpret_cast<POINT*>(&info.place), 2);
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    info.className = name;
    search.children.push_back(info);
    return TRUE;
}

}  // namespace

std::vector<ChildInfo> ChildrenOf(HWND parent) {
    ChildSearch search{parent, {}};
    EnumChildWindows(parent, CollectChild, reinterpret_cast<LPARAM>(&search));
    return search.children;
}

HWND ChildAt(HWND parent, const RECT& place) {
    for (const ChildInfo& child : ChildrenOf(parent)) {
        if (EqualRect(&child.place, &place)) {
            return child.window;
        }
    }
    return nullptr;
}

std::wstring WideTextOf(HWND window) {
    wchar_t text[1024] = L"";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_NORMAL,
                        120000, &ignored);
    return text;
}

std::string AnsiTextOf(HWND window) {
    char text[4096] = "";
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text),
                        SMTO_NORMAL, 120000, &ignored);
    return text;
}

HWND FocusOf(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) {
        return nullptr;
    }
    return info.hwndFocus;
}

bool Responds(HWND window, DWORD limitMs) {
    DWORD_PTR ignored = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, limitMs, &ignored) != 0;
}

POINT ScreenCentreOf(HWND window) {
    RECT bounds{};
    GetWindowRect(window, &bounds);
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

POINT ClientToScreenPoint(HWND parent, POINT client) {
    ClientToScreen(parent, &client);
    return client;
}

}  // namespace tavrin::test
