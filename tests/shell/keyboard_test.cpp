// The keyboard, pressed for real: the tab ring, closing, and the keys that
// must do nothing.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/shell/support/polling.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/tavrin_session.h"
#include "tests/support/synthetic_input.h"

namespace tavrin::test {
namespace {

HWND FocusAfterTab(TavrinSession& tavrin, bool backward = false) {
    const HWND before = FocusOf(tavrin.Window());
    PressKey(VK_TAB,
             backward ? std::initializer_list<WORD>{VK_SHIFT} : std::initializer_list<WORD>{});
    WaitUntil([&] { return FocusOf(tavrin.Window()) != before; });
    return FocusOf(tavrin.Window());
}

TEST(TavrinKeyboard, TabSkipsTheDisabledExtractButton) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const HWND box = tavrin.Control(k编辑框1Place);
    const HWND remove = tavrin.Control(k按钮2Place);
    ASSERT_EQ(FocusOf(tavrin.Window()), box);
    EXPECT_EQ(FocusAfterTab(tavrin), remove);
    EXPECT_EQ(FocusAfterTab(tavrin), box);
    EXPECT_EQ(FocusAfterTab(tavrin, true), remove);
    EXPECT_EQ(FocusAfterTab(tavrin, true), box);
}

TEST(TavrinKeyboard, TabWalksAllThreeOnceExtractIsEnabled) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_TRUE(tavrin.Drop({CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll")}));
    const HWND box = tavrin.Control(k编辑框1Place);
    const HWND extract = tavrin.Control(k按钮1Place);
    const HWND remove = tavrin.Control(k按钮2Place);
    ASSERT_TRUE(IsWindowEnabled(extract));
    ASSERT_EQ(FocusOf(tavrin.Window()), box);
    EXPECT_EQ(FocusAfterTab(tavrin), extract);
    EXPECT_EQ(FocusAfterTab(tavrin), remove);
    EXPECT_EQ(FocusAfterTab(tavrin), box);
    EXPECT_EQ(FocusAfterTab(tavrin, true), remove);
    EXPECT_EQ(FocusAfterTab(tavrin, true), extract);
}

TEST(TavrinKeyboard, EscapeAndAltF4CloseWithExitCodeZero) {
    const struct {
        const char* name;
        WORD key;
        std::initializer_list<WORD> modifiers;
    } cases[] = {{"Esc", VK_ESCAPE, {}}, {"Alt+F4", VK_F4, {VK_MENU}}};
    for (const auto& c : cases) {
        TavrinSession tavrin;
        ASSERT_TRUE(tavrin.Ready()) << c.name;
        ASSERT_EQ(FocusOf(tavrin.Window()), tavrin.Control(k编辑框1Place));
        PressKey(c.key, c.modifiers);
        const auto exitCode = tavrin.Program().WaitForExit();
        ASSERT_TRUE(exitCode.has_value()) << c.name << " did not end the program";
        EXPECT_EQ(*exitCode, 0u) << c.name;
    }
}

TEST(TavrinKeyboard, EscapeClosesWhicheverControlHasTheFocus) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_EQ(FocusAfterTab(tavrin), tavrin.Control(k按钮2Place));
    PressKey(VK_ESCAPE);
    const auto exitCode = tavrin.Program().WaitForExit();
    ASSERT_TRUE(exitCode.has_value());
    EXPECT_EQ(*exitCode, 0u);
}

TEST(TavrinKeyboard, ShiftEscapeDoesNotClose) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_TRUE(tavrin.PressAndWait(VK_ESCAPE, {VK_SHIFT}));
    EXPECT_TRUE(tavrin.Program().Running());
    EXPECT_TRUE(IsWindowVisible(tavrin.Window()));
}

TEST(TavrinKeyboard, EnterAndF1DoNothingWhileSpacePresses) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string icon = tavrin.ProgramFolder().File("1.ico");
    WriteFileBytes(icon, {0, 0, 1, 0, 0, 0});
    const HWND remove = tavrin.Control(k按钮2Place);
    // Delete has the focus, but it is no default button and there is no
    // help: neither key presses it or opens anything. (Each wait presses
    // Tab, which moves the focus on to the path box.)
    for (const WORD key : {VK_RETURN, VK_F1}) {
        ASSERT_EQ(FocusAfterTab(tavrin), remove);
        ASSERT_TRUE(tavrin.PressAndWait(key));
        EXPECT_TRUE(std::filesystem::exists(icon)) << key;
    }
    EXPECT_EQ(tavrin.Program().CountOtherWindows(tavrin.Window()), 0);
    // Space presses the focused button.
    ASSERT_EQ(FocusAfterTab(tavrin), remove);
    ASSERT_TRUE(tavrin.PressAndWait(VK_SPACE));
    EXPECT_FALSE(std::filesystem::exists(icon));
}

}  // namespace
}  // namespace tavrin::test
