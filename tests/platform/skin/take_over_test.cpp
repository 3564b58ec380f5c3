// Which windows the skin takes over, when, and for how long.

#include <windows.h>

#include <commctrl.h>

#include <ostream>
#include <string>
#include <vector>

#include "tests/platform/skin/skin_fixture.h"

namespace tavrin::skin_test {
namespace {

using platform::IsSkinned;
using platform::SetSkinStyle;
using platform::skin::SkinLayerCount;
using platform::skin::SkinnedWindowTotal;

struct ControlCase {
    const char* name;
    const wchar_t* class_name;
    DWORD style;
    bool skinned;
};

const ControlCase kControlCases[] = {
    {"PushButton", L"Button", BS_PUSHBUTTON, true},
    {"DefaultPushButton", L"Button", BS_DEFPUSHBUTTON, true},
    {"CheckBox", L"Button", BS_AUTOCHECKBOX, true},
    {"ThreeStateCheckBox", L"Button", BS_3STATE, true},
    {"RadioButton", L"Button", BS_AUTORADIOBUTTON, true},
    {"GroupBox", L"Button", BS_GROUPBOX, true},
    {"OwnerDrawnButton", L"Button", BS_OWNERDRAW, false},
    {"BitmapButton", L"Button", BS_PUSHBUTTON | BS_BITMAP, false},
    {"IconCheckBox", L"Button", BS_AUTOCHECKBOX | BS_ICON, false},
    {"Edit", L"Edit", WS_BORDER | ES_AUTOHSCROLL, true},
    {"ReadOnlyEdit", L"Edit", WS_BORDER | ES_READONLY, true},
    {"DropDownCombo", L"ComboBox", CBS_DROPDOWN, true},
    {"DropDownListCombo", L"ComboBox", CBS_DROPDOWNLIST, true},
    {"SimpleCombo", L"ComboBox", CBS_SIMPLE, false},
    {"UpDown", L"msctls_updown32", 0, true},
    {"Static", L"Static", SS_LEFT, false},
    {"ListBox", L"ListBox", WS_BORDER, false},
    {"Trackbar", L"msctls_trackbar32", 0, false},
    {"IpAddress", L"SysIPAddress32", 0, false},
};

void PrintTo(const ControlCase& c, std::ostream* out) {
    *out << c.name;
}

HWND MakeCase(HWND parent, const ControlCase& c) {
    return MakeControl(parent, c.class_name, c.style, {10, 10, 150, 110}, L"Case");
}

std::vector<HWND> ChildrenOfClass(HWND parent, const wchar_t* class_name) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExW(parent, nullptr, class_name, nullptr); child != nullptr;
         child = FindWindowExW(parent, child, class_name, nullptr)) {
        found.push_back(child);
    }
    return found;
}

HWND ListOf(HWND combo) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    return GetComboBoxInfo(combo, &info) ? info.hwndList : nullptr;
}

class TakeOverTest : public SkinTest, public ::testing::WithParamInterface<ControlCase> {};

TEST_P(TakeOverTest, ControlMadeBeforeSwitchingOn) {
    HostWindow host;
    HWND control = MakeCase(host.get(), GetParam());
    SetSkinStyle(1);
    EXPECT_EQ(IsSkinned(control), GetParam().skinned);
    EXPECT_FALSE(IsSkinned(host.get()));
}

TEST_P(TakeOverTest, ControlMadeAfterSwitchingOn) {
    SetSkinStyle(1);
    HostWindow host;
    HWND control = MakeCase(host.get(), GetParam());
    EXPECT_EQ(IsSkinned(control), GetParam().skinned);
    EXPECT_FALSE(IsSkinned(host.get()));
}

TEST_P(TakeOverTest, SwitchingOffReleasesIt) {
    HostWindow host;
    HWND control = MakeCase(host.get(), GetParam());
    SetSkinStyle(2);
    SetSkinStyle(0);
    EXPECT_FALSE(IsSkinned(control));
    EXPECT_EQ(SkinLayerCount(control), 0);
}

INSTANTIATE_TEST_SUITE_P(Classes, TakeOverTest, ::testing::ValuesIn(kControlCases),
                         [](const auto& test) { return std::string(test.param.name); });

class ComboListTest : public SkinTest, public ::testing::WithParamInterface<bool> {
  protected:
    // Switches on before making the combo boxes, or after, by the parameter.
    void MakeCombos(HWND parent, HWND& drop_down, HWND& simple) {
        if (GetParam()) {
            SetSkinStyle(1);
        }
        drop_down = MakeControl(parent, L"ComboBox", CBS_DROPDOWNLIST, {10, 10, 150, 110});
        simple = MakeControl(parent, L"ComboBox", CBS_SIMPLE, {160, 10, 300, 110});
        if (!GetParam()) {
            SetSkinStyle(1);
        }
    }
};

TEST_P(ComboListTest, ListOfADropDownComboIsSkinnedOneOfASimpleComboIsNot) {
    HostWindow host;
    HWND drop_down = nullptr;
    HWND simple = nullptr;
    MakeCombos(host.get(), drop_down, simple);
    ASSERT_NE(ListOf(drop_down), nullptr);
    ASSERT_NE(ListOf(simple), nullptr);
    EXPECT_TRUE(IsSkinned(ListOf(drop_down)));
    EXPECT_FALSE(IsSkinned(simple));
    EXPECT_FALSE(IsSkinned(ListOf(simple)));
}

INSTANTIATE_TEST_SUITE_P(BeforeAndAfter, ComboListTest, ::testing::Bool(),
                         [](const auto& test) { return test.param ? "After" : "Before"; });

TEST_F(SkinTest, FieldsOfAnIpAddressControlAreNotSkinnedButOtherEditsAre) {
    for (const bool switch_on_first : {false, true}) {
        SetSkinStyle(switch_on_first ? 1 : 0);
        HostWindow host;
        HWND address = MakeControl(host.get(), L"SysIPAddress32", 0, {10, 10, 160, 34});
        HWND edit = MakeControl(host.get(), L"Edit", WS_BORDER, {10, 50, 160, 74});
        SetSkinStyle(1);
        const auto fields = ChildrenOfClass(address, L"Edit");
        ASSERT_EQ(fields.size(), 4u);
        for (HWND field : fields) {
            EXPECT_FALSE(IsSkinned(field)) << "switched on first: " << switch_on_first;
        }
        EXPECT_TRUE(IsSkinned(edit));
        SetSkinStyle(0);
    }
}

TEST_F(SkinTest, ControlsDeepInsideOtherWindowsAreFound) {
    HostWindow host;
    HWND panel = MakeControl(host.get(), L"Static", SS_NOTIFY, {0, 0, 300, 200});
    HWND inner_panel = MakeControl(panel, L"Static", SS_NOTIFY, {0, 0, 200, 150});
    HWND button = MakeControl(inner_panel, L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"Deep");
    HostWindow second_top_level;
    HWND second_button =
        MakeControl(second_top_level.get(), L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"Other");
    SetSkinStyle(1);
    EXPECT_TRUE(IsSkinned(button));
    EXPECT_TRUE(IsSkinned(second_button));
    EXPECT_FALSE(IsSkinned(panel));
}

TEST_F(SkinTest, AnyStyleButOneTwoOrThreeSwitchesOff) {
    HostWindow host;
    HWND button = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"Off");
    for (const int off_style : {0, 4, -1, 1000}) {
        SetSkinStyle(3);
        ASSERT_TRUE(IsSkinned(button));
        SetSkinStyle(off_style);
        EXPECT_FALSE(IsSkinned(button)) << "style " << off_style;
        EXPECT_EQ(SkinnedWindowTotal(), 0u) << "style " << off_style;
        // Nor are windows made afterwards taken over: the hook is gone.
        HWND later = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {100, 10, 180, 34}, L"New");
        EXPECT_FALSE(IsSkinned(later)) << "style " << off_style;
        DestroyWindow(later);
    }
}

TEST_F(SkinTest, SwitchingOnAgainLeavesOneSubclassPerWindow) {
    HostWindow host;
    const std::vector<HWND> before = {
        MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"A"),
        MakeControl(host.get(), L"Edit", WS_BORDER, {10, 40, 90, 64}),
        MakeControl(host.get(), L"ComboBox", CBS_DROPDOWN, {10, 70, 90, 170}),
    };
    SetSkinStyle(1);
    HWND made_while_on =
        MakeControl(host.get(), L"msctls_updown32", 0, {100, 10, 120, 40});  // taken by the hook
    for (const int style : {1, 2, 2, 3, 1}) {
        SetSkinStyle(style);
        for (HWND window : before) {
            EXPECT_EQ(SkinLayerCount(window), 1) << "style " << style;
        }
        EXPECT_EQ(SkinLayerCount(ListOf(before[2])), 1) << "style " << style;
        EXPECT_EQ(SkinLayerCount(made_while_on), 1) << "style " << style;
    }
    // Three controls, the combo box's list and its edit field, the up-down.
    EXPECT_EQ(SkinnedWindowTotal(), 6u);
}

TEST_F(SkinTest, DestroyedWindowIsReleased) {
    HostWindow host;
    HWND keep = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {10, 10, 90, 34}, L"Keep");
    HWND go = MakeControl(host.get(), L"Button", BS_PUSHBUTTON, {100, 10, 180, 34}, L"Go");
    SetSkinStyle(1);
    ASSERT_EQ(SkinnedWindowTotal(), 2u);
    DestroyWindow(go);
    EXPECT_EQ(SkinnedWindowTotal(), 1u);
    EXPECT_TRUE(IsSkinned(keep));

    // A combo box takes its list and edit field with it; a container its
    // children.
    HWND combo = MakeControl(host.get(), L"ComboBox", CBS_DROPDOWN, {10, 40, 150, 140});
    HWND panel = MakeControl(host.get(), L"Static", 0, {200, 40, 400, 200});
    MakeControl(panel, L"Edit", WS_BORDER, {0, 0, 100, 24});
    MakeControl(panel, L"msctls_updown32", 0, {110, 0, 130, 24});
    ASSERT_EQ(SkinnedWindowTotal(), 6u);
    DestroyWindow(combo);
    EXPECT_EQ(SkinnedWindowTotal(), 3u);
    DestroyWindow(panel);
    EXPECT_EQ(SkinnedWindowTotal(), 1u);
}

TEST_F(SkinTest, WindowMadeAndDestroyedWhileOnLeavesNoRecord) {
    SetSkinStyle(2);
    {
        HostWindow host;
        MakeControl(host.get(), L"Button", BS_AUTORADIOBUTTON, {10, 10, 90, 34}, L"R");
        MakeControl(host.get(), L"ComboBox", CBS_DROPDOWNLIST, {10, 40, 150, 140});
        EXPECT_EQ(SkinnedWindowTotal(), 3u);
    }
    EXPECT_EQ(SkinnedWindowTotal(), 0u);
}

}  // namespace
}  // namespace tavrin::skin_test
