// Shows the main job on a running Tavrin, for the run script on a machine
// without a display: drops a file on the window, presses Extract, and saves
// a picture of the window.
//
// Usage: tavrin_demo_driver SOURCE PICTURE.png
// Exit codes: 0 done, 1 a step failed (named on stderr), 2 usage.

#include <windows.h>

#include <cstdio>
#include <string>

#include "tests/shell/main_window_places.h"
#include "tests/shell/support/polling.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/support/window_driver.h"
#include "tests/support/screen_image.h"

namespace {

using namespace tavrin::test;

int Fail(const char* step) {
    std::fprintf(stderr, "tavrin_demo_driver: %s\n", step);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: tavrin_demo_driver SOURCE PICTURE.png\n");
        return 2;
    }
    HWND window = nullptr;
    if (!WaitUntil([&] {
            window = FindWindowW(L"TavrinForm", L"Tavrin");
            return window != nullptr && IsWindowVisible(window) && FocusOf(window) != nullptr;
        })) {
        return Fail("Tavrin's window did not appear");
    }
    if (!DropFiles(TAVRIN_DRAG_SOURCE, window, {argv[1]}, {172, 52})) {
        return Fail("the drop was not made");
    }
    const HWND extract = ChildAt(window, k按钮1Place);
    if (extract == nullptr || !IsWindowEnabled(extract)) {
        return Fail("Extract did not become usable");
    }
    if (!ClickAndWait(window, extract)) {
        return Fail("Extract did not finish");
    }
    RECT bounds{};
    GetWindowRect(window, &bounds);
    if (!WritePng(CaptureScreen(bounds), argv[2])) {
        return Fail("the picture could not be written");
    }
    return 0;
}
