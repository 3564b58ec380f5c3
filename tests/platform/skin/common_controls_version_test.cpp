// Each test program runs with the controls it says it runs with.

#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

namespace tavrin::skin_test {
namespace {

// Only the buttons of Common Controls 6 answer BCM_GETIDEALSIZE.
bool ButtonsComeFromCommonControls6() {
    HWND button = CreateWindowExW(0, L"Button", L"Size", WS_POPUP | BS_PUSHBUTTON, 0, 0, 80, 24,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    SIZE ideal{};
    const bool answered =
        SendMessageW(button, BCM_GETIDEALSIZE, 0, reinterpret_cast<LPARAM>(&ideal)) != 0;
    DestroyWindow(button);
    return answered;
}

TEST(CommonControls, ButtonsAreOfTheVersionThisProgramIsBuiltFor) {
    EXPECT_EQ(ButtonsComeFromCommonControls6(), TAVRIN_COMMON_CONTROLS_MAJOR == 6);
}

}  // namespace
}  // namespace tavrin::skin_test
