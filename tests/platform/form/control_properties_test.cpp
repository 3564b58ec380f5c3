#include "platform/win/form/control.h"

#include <gtest/gtest.h>

#include <string>

#include "platform/win/drop/drop_target.h"
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

TEST(ControlProperties, CommonNumbersReadThePlaceAndState) {
    LoadedTestForm form;
    const struct {
        std::size_t index;
        int left, top, width, height, visible, prohibited;
    } cases[] = {
        {kLabel, 8, 0, 320, 40, 1, 0},           {kDrop, 0, 96, 26, 26, 0, 0},
        {kSecondButton, 280, 120, 72, 24, 1, 0}, {kFirstButton, 184, 120, 80, 24, 1, 1},
        {kBox, -8, 72, 376, 24, 1, 0},
    };
    for (const auto& c : cases) {
        Control& control = (*form)[c.index];
        EXPECT_EQ(control.Number(kLeft), c.left) << c.index;
        EXPECT_EQ(control.Number(kTop), c.top) << c.index;
        EXPECT_EQ(control.Number(kWidth), c.width) << c.index;
        EXPECT_EQ(control.Number(kHeight), c.height) << c.index;
        EXPECT_EQ(control.Number(kVisible), c.visible) << c.index;
        EXPECT_EQ(control.Number(kProhibited), c.prohibited) << c.index;
        EXPECT_EQ(control.Number(kMousePointer), 0) << c.index;
    }
}

TEST(ControlProperties, WritingPlaceNumbersMovesTheWindow) {
    LoadedTestForm form;
    Control& button = (*form)[kSecondButton];
    EXPECT_TRUE(button.SetNumber(kLeft, 10));
    EXPECT_TRUE(button.SetNumber(kTop, 11));
    EXPECT_TRUE(button.SetNumber(kWidth, 50));
    EXPECT_TRUE(button.SetNumber(kHeight, 20));
    RECT bounds{};
    GetWindowRect(button.Handle(), &bounds);
    MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&bounds), 2);
    EXPECT_EQ(bounds.left, 10);
    EXPECT_EQ(bounds.top, 11);
    EXPECT_EQ(bounds.right, 60);
    EXPECT_EQ(bounds.bottom, 31);
    EXPECT_EQ(button.Number(kWidth), 50);
}

TEST(ControlProperties, ProhibitedEnablesAndDisablesAtOnce) {
    LoadedTestForm form;
    Control& button = (*form)[kFirstButton];
    ASSERT_FALSE(IsWindowEnabled(button.Handle()));
    EXPECT_TRUE(button.SetNumber(kProhibited, 0));
    EXPECT_TRUE(IsWindowEnabled(button.Handle()));
    EXPECT_EQ(button.Number(kProhibited), 0);
    EXPECT_TRUE(button.SetNumber(kProhibited, 1));
    EXPECT_FALSE(IsWindowEnabled(button.Handle()));
    EXPECT_EQ(button.Number(kProhibited), 1);
}

TEST(ControlProperties, VisibleShowsAndHides) {
    LoadedTestForm form;
    Control& label = (*form)[kLabel];
    EXPECT_TRUE(label.SetNumber(kVisible, 0));
    EXPECT_FALSE(IsWindowVisible(label.Handle()));
    EXPECT_EQ(label.Number(kVisible), 0);
    EXPECT_TRUE(label.SetNumber(kVisible, 1));
    EXPECT_TRUE(IsWindowVisible(label.Handle()));
}

TEST(ControlProperties, ADropTargetStaysHiddenWhateverItsVisibleSays) {
    LoadedTestForm form;
    Control& drop = (*form)[kDrop];
    EXPECT_TRUE(drop.SetNumber(kVisible, 1));
    EXPECT_EQ(drop.Number(kVisible), 1);
    EXPECT_FALSE(IsWindowVisible(drop.DropComponent()->ChildWindow()));
}

TEST(ControlProperties, TagAndMousePointerKeepWhatIsWritten) {
    LoadedTestForm form;
    Control& box = (*form)[kBox];
    EXPECT_TRUE(box.SetText(kTag, "note \x95\x5C"));
    EXPECT_EQ(box.Text(kTag), "note \x95\x5C");
    EXPECT_TRUE(box.SetNumber(kMousePointer, 32649));  // the hand
    EXPECT_EQ(box.Number(kMousePointer), 32649);
}

TEST(ControlProperties, NumbersAKindLacksAreRefused) {
    LoadedTestForm form;
    Control& button = (*form)[kSecondButton];
    EXPECT_FALSE(button.SetText(kContent, "x"));
    EXPECT_EQ(button.Text(kContent), "");
    EXPECT_FALSE(button.SetNumber(9, 1));
    EXPECT_EQ(button.Number(9), 0);
    EXPECT_FALSE(button.SetNumber(kTag, 1));
    EXPECT_FALSE(button.SetText(kLeft, "1"));
    EXPECT_EQ(Record().contentChanged, 0);
}

TEST(EditBoxContent, StartsEmpty) {
    LoadedTestForm form;
    EXPECT_EQ((*form)[kBox].Text(kContent), "");
}

TEST(EditBoxContent, WritingRaisesContentChangedOnceBeforeReturning) {
    LoadedTestForm form;
    Control& box = (*form)[kBox];
    const char* texts[] = {"C:\\icons\\app.exe", "C:\\icons\\app.exe", "", "a\r\nb\r\n"};
    int expected = 0;
    for (const char* text : texts) {
        EXPECT_TRUE(box.SetText(kContent, text));
        ++expected;
        // The handler ran inside the write and already saw the new text,
        // also when the text was the same as before.
        EXPECT_EQ(Record().contentChanged, expected) << text;
        EXPECT_EQ(Record().contentWhenChanged, text);
        EXPECT_EQ(box.Text(kContent), text);
    }
    test::PumpMessages();
    EXPECT_EQ(Record().contentChanged, expected);
}

TEST(EditBoxContent, KeepsTheBytesExactly) {
    LoadedTestForm form;
    Control& box = (*form)[kBox];
    // Bytes that no code page round trip would keep.
    const std::string bytes = "  C:\\\x95\x5C\\\xFF\xFE\x80 .dll  ";
    box.SetText(kContent, bytes.c_str());
    EXPECT_EQ(box.Text(kContent), bytes);
}

TEST(EditBoxContent, AMissingTextWritesTheEmptyText) {
    LoadedTestForm form;
    Control& box = (*form)[kBox];
    box.SetText(kContent, "x");
    EXPECT_TRUE(box.SetText(kContent, nullptr));
    EXPECT_EQ(box.Text(kContent), "");
    EXPECT_EQ(Record().contentChanged, 2);
}

TEST(EditBoxContent, ShowsTheText) {
    LoadedTestForm form;
    (*form)[kBox].SetText(kContent, "C:\\icons\\app.exe");
    char shown[64] = "";
    GetWindowTextA((*form)[kBox].Handle(), shown, sizeof shown);
    EXPECT_STREQ(shown, "C:\\icons\\app.exe");
}

TEST(EditBoxContent, TextSetByAnotherProgramIsReadButRaisesNothing) {
    LoadedTestForm form;
    SendMessageA((*form)[kBox].Handle(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("from outside"));
    EXPECT_EQ((*form)[kBox].Text(kContent), "from outside");
    EXPECT_EQ(Record().contentChanged, 0);
}

TEST(ButtonPressed, IsRaisedSynchronouslyForAnEnabledButtonOnly) {
    LoadedTestForm form;
    SendMessageW((*form)[kFirstButton].Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(Record().pressed.empty());
    SendMessageW((*form)[kSecondButton].Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().pressed, std::vector<std::size_t>{kSecondButton});
    (*form)[kFirstButton].SetNumber(kProhibited, 0);
    SendMessageW((*form)[kFirstButton].Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(Record().pressed, (std::vector<std::size_t>{kSecondButton, kFirstButton}));
}

TEST(DropTargetEvents, ReachTheBoundHandler) {
    LoadedTestForm form;
    DropTarget* target = (*form)[kDrop].DropComponent();
    ASSERT_NE(target, nullptr);
    ASSERT_TRUE(target->FileReceived);
    target->FileReceived("C:\\a.dll");
    target->FileReceived("");
    EXPECT_EQ(Record().filesReceived, (std::vector<std::string>{"C:\\a.dll", ""}));
    // Events without a handler go nowhere.
    if (target->TextReceived) {
        target->TextReceived("text");
    }
    EXPECT_EQ(Record().filesReceived.size(), 2u);
}

}  // namespace
}  // namespace tavrin::platform
