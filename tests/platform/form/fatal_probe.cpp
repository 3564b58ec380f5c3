// Meets one of the runtime's fatal failures, named on the command line:
// "memory" (no memory for a text) or "window" (the window cannot be
// created). The runtime must show its box and end the process with -1; an
// exit code of 3 means it carried on instead.

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/win/form/form.h"
#include "platform/win/form/texts.h"

namespace {

bool allocationsFail = false;

LRESULT CALLBACK RefuseFormWindows(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_CREATEWND) {
        const auto* create = reinterpret_cast<const CBT_CREATEWNDW*>(lParam);
        const wchar_t* className = create->lpcs->lpszClass;
        if (!IS_INTRESOURCE(className) && std::wcscmp(className, L"TavrinForm") == 0) {
            return 1;
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

constexpr tavrin::platform::FormDescription kForm{
    .caption = "probe", .outerWidth = 200, .outerHeight = 100};

}  // namespace

void* operator new(std::size_t size) {
    if (allocationsFail) {
        throw std::bad_alloc();
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    if (std::strcmp(commandLine, "memory") == 0) {
        allocationsFail = true;
        // Longer than any text kept inside the string object itself.
        const std::string joined =
            tavrin::platform::JoinTexts({"C:\\Program Files\\Tavrin", "\\", "100", ".ico"});
        allocationsFail = false;
        return joined.empty() ? 4 : 3;
    }
    if (std::strcmp(commandLine, "window") == 0) {
        SetWindowsHookExW(WH_CBT, RefuseFormWindows, nullptr, GetCurrentThreadId());
        const auto form = tavrin::platform::Form::Load(kForm);
        return 3;
    }
    return 2;
}
