#include "tests/shell/support/window_driver.h"

#include "tests/shell/support/polling.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/support/running_program.h"
#include "tests/support/synthetic_input.h"

namespace tavrin::test {
namespace {

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() * 2 + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

bool TabAwayFrom(HWND window, HWND from) {
    PressKey(VK_TAB);
    return WaitUntil([&] {
               const HWND focus = FocusOf(window);
               return (focus != nullptr && focus != from) || !IsWindow(window);
           }) &&
           IsWindow(window) && Responds(window);
}

}  // namespace

namespace {

bool RunDragSource(const std::string& dragSource, const std::wstring& list, HWND window,
                   const std::vector<std::wstring>& files, POINT client) {
    const POINT screen = ClientToScreenPoint(window, client);
    std::wstring commandLine = Quoted(Widen(dragSource)) + L" --list " + list + L" " +
                               std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y);
    for (const std::wstring& file : files) {
        commandLine += L" " + Quoted(file);
    }
    RunningProgram program(commandLine, L"", RunningProgram::Output::kDiscarded);
    const auto exitCode = program.WaitForExit();
    return exitCode.has_value() && *exitCode == 0;
}

}  // namespace

bool DropFiles(const std::string& dragSource, HWND window, const std::vector<std::string>& files,
               POINT client) {
    std::vector<std::wstring> wide;
    for (const std::string& file : files) {
        wide.push_back(Widen(file));
    }
    return RunDragSource(dragSource, L"ansi", window, wide, client);
}

bool DropWideFiles(const std::string& dragSource, HWND window,
                   const std::vector<std::wstring>& files, POINT client) {
    return RunDragSource(dragSource, L"wide", window, files, client);
}

bool ClickAndWait(HWND window, HWND button) {
    ClickAt(ScreenCentreOf(button));
    // The click gives the button the focus before its handler runs.
    return WaitUntil([&] { return FocusOf(window) == button; }) && TabAwayFrom(window, button);
}

bool PressAndWait(HWND window, WORD key, std::initializer_list<WORD> modifiers) {
    const HWND before = FocusOf(window);
    PressKey(key, modifiers);
    return TabAwayFrom(window, before);
}

}  // namespace tavrin::test
