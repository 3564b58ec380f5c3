// The runtime's fatal failures, watched from outside the process that meets
// them: the runtime's own error box, then exit code -1.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/shell/support/polling.h"
#include "tests/shell/support/running_program.h"

namespace {

struct BoxSearch {
    DWORD process = 0;
    HWND box = nullptr;
};

BOOL CALLBACK FindBox(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<BoxSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    wchar_t className[16] = L"";
    GetClassNameW(window, className, 16);
    if (process == search.process && std::wstring(className) == L"#32770" &&
        IsWindowVisible(window)) {
        search.box = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK CollectTexts(HWND window, LPARAM lParam) {
    wchar_t text[256] = L"";
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                        5000, nullptr);
    *reinterpret_cast<std::wstring*>(lParam) += text;
    return TRUE;
}

std::wstring ProbePath() {
    wchar_t self[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self);
    return path.substr(0, path.find_last_of(L'\\') + 1) + L"" TAVRIN_FATAL_PROBE;
}

struct Outcome {
    std::wstring boxTexts;
    DWORD exitCode = 0;
};

// Runs the probe, reads and closes its error box, and waits for its end.
Outcome RunProbe(const wchar_t* failure) {
    Outcome outcome;
    tavrin::test::RunningProgram probe(tavrin::test::Quoted(ProbePath()) + L" " + failure);
    if (!probe.Started()) {
        ADD_FAILURE() << "cannot start the probe";
        return outcome;
    }
    BoxSearch search{probe.Id(), nullptr};
    tavrin::test::WaitUntil([&] {
        EnumWindows(FindBox, reinterpret_cast<LPARAM>(&search));
        return search.box != nullptr || !probe.Running();
    });
    if (search.box != nullptr) {
        EnumChildWindows(search.box, CollectTexts, reinterpret_cast<LPARAM>(&outcome.boxTexts));
        PostMessageW(search.box, WM_COMMAND, IDOK, 0);
    }
    const auto exitCode = probe.WaitForExit();
    if (!exitCode) {
        ADD_FAILURE() << "the probe did not end";
        return outcome;
    }
    outcome.exitCode = *exitCode;
    return outcome;
}

TEST(FatalError, NoMemoryForATextShowsTheBoxAndEndsWithMinusOne) {
    const Outcome outcome = RunProbe(L"memory");
    EXPECT_NE(outcome.boxTexts.find(L"内存不足"), std::wstring::npos);
    EXPECT_EQ(outcome.exitCode, static_cast<DWORD>(-1));
}

TEST(FatalError, AWindowThatCannotBeCreatedShowsTheBoxAndEndsWithMinusOne) {
    const Outcome outcome = RunProbe(L"window");
    EXPECT_NE(outcome.boxTexts.find(L"无法创建窗口"), std::wstring::npos);
    EXPECT_EQ(outcome.exitCode, static_cast<DWORD>(-1));
}

}  // namespace
