// What skinned controls look like, read back from the screen.

#include <windows.h>

#include <commctrl.h>

#include <cstdlib>
#include <ostream>
#include <string>

#include "platform/win/skin/gdi.h"
#include "tests/platform/skin/skin_fixture.h"

namespace tavrin::skin_test {
namespace {

using platform::SetSkinStyle;

constexpr COLORREF kStyleFrames[] = {RGB(123, 158, 189), RGB(164, 185, 127), RGB(198, 197, 215)};
constexpr RECT kButtonBounds{10, 10, 90, 34};  // 80 x 24, as the program's buttons

Screenshot Settled(HWND control) {
    PumpMessages();
    RepaintNow(GetAncestor(control, GA_ROOT));
    return Screenshot::Of(control);
}

void ExpectFramed(const Screenshot& shot, COLORREF frame) {
    const int w = shot.Width();
    const int h = shot.Height();
    EXPECT_EQ(shot.At(0, h / 2), frame);
    EXPECT_EQ(shot.At(w - 1, h / 2), frame);
    EXPECT_EQ(shot.At(w / 2, 0), frame);
    EXPECT_EQ(shot.At(w / 2, h - 1), frame);
}

// A point of a button's face, clear of its frame, focus marks and caption.
constexpr POINT kFacePoint{5, 12};

class StyleFrameTest : public SkinTest, public ::testing::WithParamInterface<int> {};

TEST_P(StyleFrameTest, ButtonIsFramedInTheStyleColour) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, kButtonBounds, L"OK");
    SetSkinStyle(GetParam());
    ExpectFramed(Settled(button), kStyleFrames[GetParam() - 1]);
}

TEST_P(StyleFrameTest, EditComboAndUpDownAreFramedInTheStyleColour) {
    HostWindow host;
    HWND edit = MakeControl(host.get(), L"Edit", 0, {10, 10, 150, 34}, L"", WS_EX_CLIENTEDGE);
    HWND combo = MakeControl(host.get(), L"ComboBox", CBS_DROPDOWNLIST, {10, 70, 150, 170});
    HWND updown = MakeControl(host.get(), L"msctls_updown32", 0, {160, 10, 180, 40});
    SetSkinStyle(GetParam());
    const COLORREF frame = kStyleFrames[GetParam() - 1];
    for (HWND control : {edit, combo, updown}) {
        SCOPED_TRACE(control == updown ? "up-down" : control == combo ? "combo box" : "edit");
        ExpectFramed(Settled(control), frame);
    }
}

INSTANTIATE_TEST_SUITE_P(Styles, StyleFrameTest, ::testing::Values(1, 2, 3));

TEST_F(SkinTest, AnotherStyleRepaintsInItsColourWithoutBeingAsked) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, kButtonBounds, L"OK");
    SetSkinStyle(1);
    ExpectFramed(Settled(button), kStyleFrames[0]);
    SetSkinStyle(3);
    PumpMessages();  // only what the skin invalidated is painted
    ExpectFramed(Screenshot::Of(button), kStyleFrames[2]);
}

struct LookCase {
    const char* name;
    const wchar_t* class_name;
    DWORD style;
    RECT bounds;
    DWORD ex_style = 0;
};

const LookCase kLookCases[] = {
    {"PushButton", L"Button", BS_PUSHBUTTON, kButtonBounds},
    {"CheckBox", L"Button", BS_AUTOCHECKBOX, {10, 10, 150, 30}},
    {"RadioButton", L"Button", BS_AUTORADIOBUTTON, {10, 10, 150, 30}},
    {"GroupBox", L"Button", BS_GROUPBOX, {10, 10, 150, 90}},
    {"Edit", L"Edit", ES_AUTOHSCROLL, {10, 10, 150, 34}, WS_EX_CLIENTEDGE},
    {"DropDownCombo", L"ComboBox", CBS_DROPDOWN, {10, 10, 150, 110}},
    {"DropDownListCombo", L"ComboBox", CBS_DROPDOWNLIST, {10, 10, 150, 110}},
    {"UpDown", L"msctls_updown32", 0, {10, 10, 30, 40}},
};

void PrintTo(const LookCase& c, std::ostream* out) {
    *out << c.name;
}

class SystemLookTest : public SkinTest, public ::testing::WithParamInterface<LookCase> {};

TEST_P(SystemLookTest, SkinChangesTheLookAndSwitchingOffRestoresIt) {
    HostWindow host;
    const LookCase& c = GetParam();
    HWND control = MakeControl(host.get(), c.class_name, c.style, c.bounds, L"Text", c.ex_style);
    const Screenshot system_look = Settled(control);
    SetSkinStyle(1);
    const Screenshot skinned = Settled(control);
    EXPECT_GT(skinned.DifferingPixels(system_look), 10);
    SetSkinStyle(0);
    PumpMessages();
    EXPECT_EQ(Screenshot::Of(control), system_look);
}

INSTANTIATE_TEST_SUITE_P(Classes, SystemLookTest, ::testing::ValuesIn(kLookCases),
                         [](const auto& test) { return std::string(test.param.name); });

TEST_F(SkinTest, OwnerDrawnButtonAndSimpleComboKeepTheSystemLook) {
    HostWindow host;
    HWND owner_drawn = MakeControl(host.get(), L"Button", BS_OWNERDRAW, kButtonBounds, L"OD");
    HWND simple = MakeControl(host.get(), L"ComboBox", CBS_SIMPLE, {10, 40, 150, 140});
    HWND label = MakeControl(host.get(), L"Static", SS_LEFT, {160, 10, 300, 34}, L"Label");
    const Screenshot before[] = {Settled(owner_drawn), Settled(simple), Settled(label)};
    SetSkinStyle(1);
    EXPECT_EQ(Settled(owner_drawn), before[0]);
    EXPECT_EQ(Settled(simple), before[1]);
    EXPECT_EQ(Settled(label), before[2]);
}

POINT ScreenCentreOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

TEST_F(SkinTest, HoverHighlightsTheFaceUntilTheMouseLeaves) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, kButtonBounds, L"OK");
    SetSkinStyle(1);
    const Screenshot normal = Settled(button);

    const POINT centre = ScreenCentreOf(button);
    SetCursorPos(centre.x, centre.y);
    EXPECT_TRUE(PollUntil([&] {
        return Screenshot::Of(button).At(kFacePoint.x, kFacePoint.y) !=
               normal.At(kFacePoint.x, kFacePoint.y);
    })) << "the face never lit up under the mouse";
    ExpectFramed(Screenshot::Of(button), kStyleFrames[0]);

    ParkCursor();
    EXPECT_TRUE(PollUntil([&] { return Screenshot::Of(button) == normal; }))
        << "the highlight stayed after the mouse left";
}

TEST_F(SkinTest, DisabledPressedAndFocusedButtonsEachLookDifferent) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, kButtonBounds, L"OK");
    SetSkinStyle(1);
    const Screenshot normal = Settled(button);

    EnableWindow(button, FALSE);
    const Screenshot disabled = Settled(button);
    EXPECT_NE(disabled.At(kFacePoint.x, kFacePoint.y), normal.At(kFacePoint.x, kFacePoint.y));
    EXPECT_NE(disabled.At(0, 12), kStyleFrames[0]);
    EnableWindow(button, TRUE);
    EXPECT_EQ(Settled(button), normal);

    SendMessageW(button, BM_SETSTATE, TRUE, 0);
    const Screenshot pressed = Settled(button);
    EXPECT_NE(pressed.At(kFacePoint.x, kFacePoint.y), normal.At(kFacePoint.x, kFacePoint.y));
    EXPECT_NE(pressed, disabled);
    SendMessageW(button, BM_SETSTATE, FALSE, 0);
    EXPECT_EQ(Settled(button), normal);

    SetFocus(button);
    ASSERT_EQ(GetFocus(), button);
    const Screenshot focused = Settled(button);
    EXPECT_GT(focused.DifferingPixels(normal), 0);
    EXPECT_NE(focused, pressed);
    SetFocus(host.get());
    EXPECT_EQ(Settled(button), normal);
}

TEST_F(SkinTest, CheckAndRadioMarksShowTheCheck) {
    HostWindow host;
    for (const DWORD style : {BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON}) {
        HWND control = MakeControl(host.get(), L"Button", style, {10, 10, 150, 30}, L"Mark");
        SetSkinStyle(1);
        const Screenshot unchecked = Settled(control);
        SendMessageW(control, BM_SETCHECK, BST_CHECKED, 0);
        const Screenshot checked = Settled(control);
        EXPECT_GT(checked.DifferingPixels(unchecked), 4);
        // Only the mark changes, not the caption beside it.
        for (int y = 0; y < checked.Height(); ++y) {
            for (int x = 16; x < checked.Width(); ++x) {
                ASSERT_EQ(checked.At(x, y), unchecked.At(x, y)) << x << "," << y;
            }
        }
        SetSkinStyle(0);
        DestroyWindow(control);
    }
}

TEST_F(SkinTest, CaptionUsesTheControlsOwnFont) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {10, 10, 130, 50}, L"Wide");
    SetSkinStyle(1);
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    const RECT small = Settled(button).BoundsOf(ink);
    const platform::skin::GdiObject<HFONT> large(CreateFontW(
        -28, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
        CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH, L"Tahoma"));
    ASSERT_TRUE(large);
    SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(large.get()), TRUE);
    const RECT big = Settled(button).BoundsOf(ink);
    DestroyWindow(button);  // before the font it uses goes
    ASSERT_FALSE(IsRectEmpty(&small));
    EXPECT_GT(big.bottom - big.top, small.bottom - small.top + 5);
}

TEST_F(SkinTest, CaptionsOutsideTheCodePageAreDrawn) {
    HostWindow host;
    HWND chinese = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, kButtonBounds,
                               L"\u63D0\u53D6");  // "extract"
    HWND questions = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {100, 10, 180, 34}, L"??");
    SetSkinStyle(1);
    const Screenshot drawn = Settled(chinese);
    const RECT ink = drawn.BoundsOf(GetSysColor(COLOR_BTNTEXT));
    EXPECT_FALSE(IsRectEmpty(&ink));
    EXPECT_GT(drawn.DifferingPixels(Settled(questions)), 20);
}

TEST_F(SkinTest, EditOutlineShowsTheFocus) {
    HostWindow host;
    HWND edit = MakeControl(host.get(), L"Edit", 0, {10, 10, 150, 34}, L"", WS_EX_CLIENTEDGE);
    SetSkinStyle(2);
    EXPECT_EQ(Settled(edit).At(0, 12), kStyleFrames[1]);
    SetFocus(edit);
    ASSERT_EQ(GetFocus(), edit);
    EXPECT_NE(Settled(edit).At(0, 12), kStyleFrames[1]);
    SetFocus(host.get());
    EXPECT_EQ(Settled(edit).At(0, 12), kStyleFrames[1]);
}

// For looking at: TAVRIN_SKIN_SCREENSHOT=<file.bmp> saves a window of every
// skinned kind.
TEST_F(SkinTest, Gallery) {
    const char* path = std::getenv("TAVRIN_SKIN_SCREENSHOT");
    if (path == nullptr) {
        GTEST_SKIP() << "TAVRIN_SKIN_SCREENSHOT not set";
    }
    HostWindow host(380, 230);
    HWND h = host.get();
    // The group box holds the other controls: its parent paints behind them.
    SetWindowLongW(h, GWL_STYLE, GetWindowLongW(h, GWL_STYLE) & ~WS_CLIPCHILDREN);
    MakeControl(h, L"Button", BS_GROUPBOX, {8, 4, 360, 190}, L"Group \u5206\u7EC4");
    MakeControl(h, L"Button", BS_PUSHBUTTON, {20, 24, 100, 48}, L"\u63D0\u53D6");
    HWND hovered = MakeControl(h, L"Button", BS_PUSHBUTTON, {108, 24, 188, 48}, L"Hover");
    HWND pressed = MakeControl(h, L"Button", BS_PUSHBUTTON, {196, 24, 276, 48}, L"Pressed");
    HWND disabled = MakeControl(h, L"Button", BS_PUSHBUTTON, {284, 24, 352, 48}, L"Off");
    HWND check = MakeControl(h, L"Button", BS_AUTOCHECKBOX, {20, 56, 120, 76}, L"Check");
    MakeControl(h, L"Button", BS_AUTOCHECKBOX, {128, 56, 228, 76}, L"Unchecked");
    HWND radio = MakeControl(h, L"Button", BS_AUTORADIOBUTTON, {236, 56, 352, 76}, L"Radio");
    MakeControl(h, L"Edit", ES_AUTOHSCROLL, {20, 84, 200, 108}, L"C:\\Tools\\x.exe",
                WS_EX_CLIENTEDGE);
    MakeControl(h, L"Edit", ES_NUMBER, {208, 84, 260, 108}, L"7", WS_EX_CLIENTEDGE);
    MakeControl(h, L"msctls_updown32", 0, {262, 84, 280, 108});
    HWND combo = MakeControl(h, L"ComboBox", CBS_DROPDOWNLIST, {20, 116, 200, 216});
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"Style 1"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    MakeControl(h, L"ComboBox", CBS_DROPDOWN, {208, 116, 352, 216}, L"Drop-down");
    MakeControl(h, L"Edit", WS_DISABLED, {20, 150, 200, 174}, L"Disabled", WS_EX_CLIENTEDGE);
    MakeControl(h, L"Static", SS_LEFT, {208, 150, 352, 174}, L"Label keeps its look");
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    EnableWindow(disabled, FALSE);
    SetSkinStyle(1);
    SendMessageW(hovered, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    SendMessageW(pressed, BM_SETSTATE, TRUE, 0);
    Settled(h);
    EXPECT_TRUE(Screenshot::Of(h).SaveBmp(path));
    SendMessageW(hovered, WM_MOUSELEAVE, 0, 0);
}

}  // namespace
}  // namespace tavrin::skin_test
