#include "platform/win/form/form.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win/drop/drop_target.h"
#include "platform/win/form/form_keys.h"
#include "platform/win/form/message_loop.h"
#include "tests/platform/form/test_form.h"

namespace tavrin::platform {
namespace {

using test::kBox;
using test::kDrop;
using test::kFirstButton;
using test::kLabel;
using test::kSecondButton;
using test::LoadedTestForm;
using test::Record;

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = L"";
    GetWindowTextW(window, text, 256);
    return text;
}

LONG StyleOf(HWND window) {
    return GetWindowLongW(window, GWL_STYLE);
}
LONG ExtendedStyleOf(HWND window) {
    return GetWindowLongW(window, GWL_EXSTYLE);
}

MSG KeyDown(HWND window, UINT key) {
    MSG message{};
    message.hwnd = window;
    message.message = WM_KEYDOWN;
    message.wParam = key;
    return message;
}

TEST(Form, CreatesTheWindowCentredWithItsOuterSize) {
    LoadedTestForm form;
    const HWND window = form->Handle();
    ASSERT_NE(window, nullptr);
    RECT bounds{};
    GetWindowRect(window, &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 380);
    EXPECT_EQ(bounds.bottom - bounds.top, 181);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 181) / 2);
    EXPECT_EQ(TextOf(window), L"测试 Form");
    EXPECT_TRUE(IsWindowVisible(window));
}

TEST(Form, HasAFixedFrameWithSystemMenuAndNoSizeBoxes) {
    LoadedTestForm form;
    const LONG style = StyleOf(form->Handle());
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(ExtendedStyleOf(form->Handle()) & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(ExtendedStyleOf(form->Handle()) & WS_EX_TOPMOST, 0);
    EXPECT_EQ(GetClassLongPtrW(form->Handle(), GCLP_HBRBACKGROUND),
              static_cast<ULONG_PTR>(COLOR_BTNFACE + 1));
}

TEST(Form, MovesByItsCaptionOnly) {
    LoadedTestForm form;
    const HMENU systemMenu = GetSystemMenu(form->Handle(), FALSE);
    ASSERT_NE(systemMenu, nullptr);
    const UINT move = GetMenuState(systemMenu, SC_MOVE, MF_BYCOMMAND);
    ASSERT_NE(move, static_cast<UINT>(-1));
    EXPECT_EQ(move & (MF_GRAYED | MF_DISABLED), 0u);
    // Dragging the client area does not move the window.
    POINT inside{360, 100};
    ClientToScreen(form->Handle(), &inside);
    EXPECT_EQ(SendMessageW(form->Handle(), WM_NCHITTEST, 0, MAKELPARAM(inside.x, inside.y)),
              HTCLIENT);
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !GetIconInfo(icon, &info)) {
        return 0;
    }
    BITMAP bitmap{};
    GetObjectW(info.hbmColor != nullptr ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

TEST(Form, ShowsItsIconInTheLargeAndSmallSizes) {
    LoadedTestForm form;
    const auto big = reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_BIG, 0));
    const auto small =
        reinterpret_cast<HICON>(SendMessageW(form->Handle(), WM_GETICON, ICON_SMALL, 0));
    EXPECT_EQ(IconWidth(big), GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(IconWidth(small), GetSystemMetrics(SM_CXSMICON));
}

TEST(Form, CreatesEachControlWithItsSettings) {
    LoadedTestForm form;
    const struct {
        std::size_t index;
        const wchar_t* className;
        RECT place;  // left, top, right, bottom in the client area
        const wchar_t* text;
        bool enabled;
        bool tabStop;
    } cases[] = {
        {kLabel, L"Static", {8, 0, 328, 40}, L"一\r\n二", true, false},
        {kSecondButton, L"Button", {280, 120, 352, 144}, L"删除", true, true},
        {kFirstButton, L"Button", {184, 120, 264, 144}, L"提取", false, true},
        {kBox, L"Edit", {-8, 72, 368, 96}, L"", true, true},
    };
    for (const auto& c : cases) {
        const HWND control = (*form)[c.index].Handle();
        ASSERT_NE(control, nullptr) << c.index;
        EXPECT_EQ(GetParent(control), form->Handle());
        EXPECT_EQ(ClassOf(control), c.className);
        RECT bounds{};
        GetWindowRect(control, &bounds);
        MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
        EXPECT_EQ(bounds.left, c.place.left) << c.index;
        EXPECT_EQ(bounds.top, c.place.top) << c.index;
        EXPECT_EQ(bounds.right, c.place.right) << c.index;
        EXPECT_EQ(bounds.bottom, c.place.bottom) << c.index;
        EXPECT_EQ(TextOf(control), c.text) << c.index;
        EXPECT_EQ(IsWindowEnabled(control) != 0, c.enabled) << c.index;
        EXPECT_EQ((StyleOf(control) & WS_TABSTOP) != 0, c.tabStop) << c.index;
        EXPECT_TRUE(IsWindowVisible(control)) << c.index;
        EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)),
                  GetStockObject(DEFAULT_GUI_FONT))
            << c.index;
    }
}

TEST(Form, GivesEachKindItsLook) {
    LoadedTestForm form;
    EXPECT_EQ(StyleOf((*form)[kLabel].Handle()) & SS_TYPEMASK, SS_OWNERDRAW);
    const LONG box = StyleOf((*form)[kBox].Handle());
    EXPECT_NE(box & ES_READONLY, 0);
    EXPECT_NE(box & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(box & (ES_MULTILINE | ES_NOHIDESEL | ES_CENTER | ES_RIGHT), 0);
    EXPECT_NE(ExtendedStyleOf((*form)[kBox].Handle()) & WS_EX_CLIENTEDGE, 0);
    for (const std::size_t button : {kFirstButton, kSecondButton}) {
        const LONG style = StyleOf((*form)[button].Handle());
        EXPECT_EQ(style & BS_TYPEMASK, BS_PUSHBUTTON);
        EXPECT_EQ(style & (BS_CENTER | BS_VCENTER | BS_MULTILINE),
                  BS_CENTER | BS_VCENTER | BS_MULTILINE);
    }
}

TEST(Form, GivesADropTargetAComponentWithAHiddenWindow) {
    LoadedTestForm form;
    Control& drop = (*form)[kDrop];
    EXPECT_EQ(drop.Handle(), nullptr);
    ASSERT_NE(drop.DropComponent(), nullptr);
    const HWND child = drop.DropComponent()->ChildWindow();
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(GetParent(child), form->Handle());
    EXPECT_FALSE(IsWindowVisible(child));
    EXPECT_EQ(drop.Number(kVisible), 0);
}

TEST(Form, RaisesCreationFinishedOnceBeforeShowing) {
    LoadedTestForm form;
    EXPECT_EQ(Record().creationFinished, 1);
    EXPECT_FALSE(Record().visibleWhenCreationFinished);
    EXPECT_TRUE(Record().controlsExistedWhenCreationFinished);
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

TEST(Form, ShowsNothingWhenCreationFinishedDestroyedTheWindow) {
    Record().destroyInCreationFinished = true;
    LoadedTestForm form;
    EXPECT_EQ(form->Handle(), nullptr);
    EXPECT_EQ((*form)[kBox].Handle(), nullptr);
    EXPECT_EQ((*form)[kDrop].DropComponent(), nullptr);
    EXPECT_EQ(Form::LiveWindows(), 0);
}

TEST(Form, BindsOneObjectToItsWindow) {
    LoadedTestForm form;
    EXPECT_EQ(Form::FromHandle(form->Handle()), &*form);
    EXPECT_EQ(Form::FromHandle((*form)[kBox].Handle()), nullptr);
    EXPECT_EQ(Form::FromHandle(GetDesktopWindow()), nullptr);
    EXPECT_EQ(form->Find("box"), &(*form)[kBox]);
    EXPECT_EQ(form->Find("标签"), &(*form)[kLabel]);
    EXPECT_EQ(form->Find("missing"), nullptr);
}

TEST(Form, TabRingFollowsTabIndicesAndSkipsDisabledControls) {
    LoadedTestForm form;
    const HWND window = form->Handle();
    const HWND box = (*form)[kBox].Handle();
    const HWND first = (*form)[kFirstButton].Handle();
    const HWND second = (*form)[kSecondButton].Handle();
    // The first button starts disabled.
    EXPECT_EQ(GetNextDlgTabItem(window, box, FALSE), second);
    EXPECT_EQ(GetNextDlgTabItem(window, second, FALSE), box);
    (*form)[kFirstButton].SetNumber(kProhibited, 0);
    EXPECT_EQ(GetNextDlgTabItem(window, box, FALSE), first);
    EXPECT_EQ(GetNextDlgTabItem(window, first, FALSE), second);
    EXPECT_EQ(GetNextDlgTabItem(window, second, FALSE), box);
    EXPECT_EQ(GetNextDlgTabItem(window, box, TRUE), second);
}

TEST(Form, FocusGoesToTheFirstTabStopWhenActivated) {
    LoadedTestForm form;
    SetForegroundWindow(form->Handle());
    test::PumpMessages();
    EXPECT_EQ(GetFocus(), (*form)[kBox].Handle());
}

TEST(FormKeys, TabWalksTheRingAndEscapeCloses) {
    LoadedTestForm form;
    const HWND box = (*form)[kBox].Handle();
    SetFocus(box);
    EXPECT_TRUE(HandleFormKey(KeyDown(box, VK_TAB)));
    EXPECT_EQ(GetFocus(), (*form)[kSecondButton].Handle());
    EXPECT_TRUE(HandleFormKey(KeyDown(GetFocus(), VK_TAB)));
    EXPECT_EQ(GetFocus(), box);
    EXPECT_TRUE(HandleFormKey(KeyDown(box, VK_RETURN)));
    EXPECT_TRUE(HandleFormKey(KeyDown(box, VK_F1)));
    EXPECT_TRUE(IsWindow(form->Handle()));
    EXPECT_TRUE(Record().pressed.empty());
    EXPECT_FALSE(HandleFormKey(KeyDown(box, 'A')));
    EXPECT_TRUE(HandleFormKey(KeyDown(box, VK_ESCAPE)));
    EXPECT_EQ(form->Handle(), nullptr);
}

TEST(FormKeys, LeaveOtherWindowsAlone) {
    const HWND other = CreateWindowExW(0, L"Edit", L"", WS_OVERLAPPEDWINDOW, 0, 0, 100, 50, nullptr,
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(other, nullptr);
    EXPECT_FALSE(HandleFormKey(KeyDown(other, VK_ESCAPE)));
    EXPECT_TRUE(IsWindow(other));
    DestroyWindow(other);
}

TEST(MessageLoop, EndsWhenTheLastFormWindowIsGone) {
    auto one = Form::Load(test::TestForm());
    auto two = Form::Load(test::TestForm());
    EXPECT_EQ(Form::LiveWindows(), 2);
    PostMessageW(one->Handle(), WM_CLOSE, 0, 0);
    PostMessageW(two->Handle(), WM_CLOSE, 0, 0);
    RunMessageLoop();  // returns only once both are destroyed
    EXPECT_EQ(one->Handle(), nullptr);
    EXPECT_EQ(two->Handle(), nullptr);
    EXPECT_EQ(Form::LiveWindows(), 0);
    Record() = test::Seen{};
}

}  // namespace
}  // namespace tavrin::platform
