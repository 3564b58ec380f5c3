// Nothing the skin makes outlives its use. Wine reports no GDI or USER
// object counts, so the tests measure how many objects can still be made:
// the process's handle tables are finite, and every leaked object takes a
// slot for good.

#include <windows.h>

#include <commctrl.h>

#include <vector>

#include "tests/platform/skin/skin_fixture.h"

namespace tavrin::skin_test {
namespace {

using platform::IsSkinned;
using platform::SetSkinStyle;
using platform::skin::SkinnedWindowTotal;

// Makes brushes until the GDI handle table is full, then frees them all.
int FreeGdiSlots() {
    std::vector<HBRUSH> brushes;
    brushes.reserve(70000);
    while (brushes.size() < 200000) {
        HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
        if (brush == nullptr) {
            break;
        }
        brushes.push_back(brush);
    }
    for (HBRUSH brush : brushes) {
        DeleteObject(brush);
    }
    return static_cast<int>(brushes.size());
}

// The same for the USER handle table, which holds windows and hooks.
int FreeUserSlots() {
    std::vector<HMENU> menus;
    menus.reserve(40000);
    while (menus.size() < 200000) {
        HMENU menu = CreateMenu();
        if (menu == nullptr) {
            break;
        }
        menus.push_back(menu);
    }
    for (HMENU menu : menus) {
        DestroyMenu(menu);
    }
    return static_cast<int>(menus.size());
}

// Caches inside the system may keep a handful of objects.
constexpr int kSlack = 32;

// One control of every kind the skin paints, and a label.
std::vector<HWND> MakeGallery(HWND parent) {
    return {
        MakeControl(parent, L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"Push"),
        MakeControl(parent, L"Button", BS_DEFPUSHBUTTON, {100, 10, 180, 34}, L"Default"),
        MakeControl(parent, L"Button", BS_AUTOCHECKBOX, {10, 40, 120, 60}, L"Check"),
        MakeControl(parent, L"Button", BS_AUTO3STATE, {130, 40, 240, 60}, L"Three"),
        MakeControl(parent, L"Button", BS_AUTORADIOBUTTON, {250, 40, 360, 60}, L"Radio"),
        MakeControl(parent, L"Button", BS_GROUPBOX, {190, 70, 390, 200}, L"Group"),
        MakeControl(parent, L"Edit", 0, {10, 70, 170, 94}, L"Edit", WS_EX_CLIENTEDGE),
        MakeControl(parent, L"ComboBox", CBS_DROPDOWN, {10, 100, 170, 200}),
        MakeControl(parent, L"ComboBox", CBS_DROPDOWNLIST, {10, 130, 170, 230}),
        MakeControl(parent, L"msctls_updown32", 0, {200, 10, 220, 40}),
        MakeControl(parent, L"msctls_updown32", UDS_HORZ, {230, 10, 270, 30}),
        MakeControl(parent, L"Static", SS_LEFT, {10, 240, 170, 260}, L"Label"),
    };
}

// Puts every control through another of its looks, so each painter draws
// each state in turn.
void NextLooks(const std::vector<HWND>& controls, int round) {
    for (HWND control : controls) {
        switch (round % 5) {
            case 0:
                SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
                break;
            case 1:
                SendMessageW(control, WM_MOUSELEAVE, 0, 0);
                SendMessageW(control, BM_SETSTATE, TRUE, 0);
                SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
                break;
            case 2:
                SendMessageW(control, BM_SETSTATE, FALSE, 0);
                SendMessageW(control, BM_SETCHECK, BST_INDETERMINATE, 0);
                EnableWindow(control, FALSE);
                break;
            case 3:
                EnableWindow(control, TRUE);
                SendMessageW(control, BM_SETCHECK, BST_UNCHECKED, 0);
                break;
            default:
                break;
        }
    }
    if (round % 5 == 4) {
        SetFocus(controls[round % controls.size()]);
    }
}

TEST_F(SkinTest, RepaintingLeaksNoGdiObject) {
    HostWindow host(420, 300);
    const auto controls = MakeGallery(host.get());
    SetSkinStyle(1);
    for (int round = 0; round < 10; ++round) {  // let caches fill first
        NextLooks(controls, round);
        RepaintNow(host.get());
    }
    const int free_before = FreeGdiSlots();

    // Each round repaints every control at least once, its border too, so a
    // single object left behind per paint would cost thousands of slots.
    constexpr int kRounds = 150;
    for (int round = 0; round < kRounds; ++round) {
        NextLooks(controls, round);
        RepaintNow(host.get());
    }
    PumpMessages();
    const int free_after = FreeGdiSlots();
    EXPECT_GE(free_after, free_before - kSlack) << "free before " << free_before;

    // And drawing still works: the frame has its colour.
    SetSkinStyle(2);
    RepaintNow(host.get());
    EXPECT_EQ(Screenshot::Of(controls[0]).At(0, 12), RGB(164, 185, 127));
}

TEST_F(SkinTest, ManySkinnedWindowsComeAndGoWithoutLeaking) {
    SetSkinStyle(3);
    for (int i = 0; i < 5; ++i) {  // let caches fill first
        HostWindow host(420, 300);
        MakeGallery(host.get());
        RepaintNow(host.get());
    }
    const int gdi_before = FreeGdiSlots();
    const int user_before = FreeUserSlots();
    for (int i = 0; i < 20; ++i) {
        HostWindow host(420, 300);
        const auto controls = MakeGallery(host.get());
        ASSERT_TRUE(IsSkinned(controls[0]));
        RepaintNow(host.get());
    }
    EXPECT_EQ(SkinnedWindowTotal(), 0u);
    EXPECT_GE(FreeGdiSlots(), gdi_before - kSlack);
    EXPECT_GE(FreeUserSlots(), user_before - kSlack);
}

TEST_F(SkinTest, SwitchingOnAndOffLeavesNoHookOrSubclassBehind) {
    HostWindow host(420, 300);
    const auto controls = MakeGallery(host.get());
    SetSkinStyle(1);
    SetSkinStyle(0);
    const int user_before = FreeUserSlots();
    const int gdi_before = FreeGdiSlots();
    for (int i = 0; i < 100; ++i) {
        SetSkinStyle(1 + i % 3);
        SetSkinStyle(i % 2 == 0 ? 0 : 4);
    }
    PumpMessages();
    EXPECT_GE(FreeUserSlots(), user_before - kSlack);  // one hook per switch would show
    EXPECT_GE(FreeGdiSlots(), gdi_before - kSlack);
    for (HWND control : controls) {
        EXPECT_EQ(platform::skin::SkinLayerCount(control), 0);
    }
}

}  // namespace
}  // namespace tavrin::skin_test
