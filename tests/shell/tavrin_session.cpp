#include "tests/shell/tavrin_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "icons/extract_icon_group.h"
#include "tests/shell/support/polling.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/support/synthetic_input.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

std::wstring Widen(const std::string& text) {
    std::wstring wide(text.size() * 2 + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()), wide.data(),
                            static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace

TavrinSession::TavrinSession() {
    const fs::path exe = programFolder_.Path() / "tavrin.exe";
    std::error_code error;
    fs::copy_file(fs::path(TAVRIN_EXE), exe, error);
    if (error) {
        ADD_FAILURE() << "cannot copy " << TAVRIN_EXE << ": " << error.message();
        return;
    }
    // Started from another folder: the program must still work beside its
    // own file.
    program_ =
        std::make_unique<RunningProgram>(Quoted(exe.wstring()), startFolder_.Path().wstring());
    if (!program_->Started()) {
        ADD_FAILURE() << "cannot start tavrin.exe";
        return;
    }
    window_ = program_->WaitForMainWindow();
    if (window_ == nullptr) {
        const auto exitCode = program_->WaitForExit(0);
        ADD_FAILURE() << "tavrin.exe showed no window"
                      << (exitCode ? "; it ended with " + std::to_string(*exitCode) : "");
        return;
    }
    // Shown, activated, and back in its message loop.
    if (!WaitUntil([&] { return FocusOf(window_) != nullptr && Responds(window_); })) {
        ADD_FAILURE() << "tavrin.exe's window never took the focus";
    }
}

HWND TavrinSession::Control(const RECT& place) const {
    return ChildAt(window_, place);
}

bool TavrinSession::Drop(const std::vector<std::string>& files, POINT client) {
    const POINT screen = ClientToScreenPoint(window_, client);
    std::wstring commandLine = Quoted(Widen(TAVRIN_DRAG_SOURCE)) + L" " +
                               std::to_wstring(screen.x) + L" " + std::to_wstring(screen.y);
    for (const std::string& file : files) {
        commandLine += L" " + Quoted(Widen(file));
    }
    RunningProgram dragSource(commandLine, L"", RunningProgram::Output::kDiscarded);
    const auto exitCode = dragSource.WaitForExit();
    return exitCode.has_value() && *exitCode == 0;
}

std::string TavrinSession::PathBoxText() const {
    return AnsiTextOf(Control(k编辑框1Place));
}

bool TavrinSession::WaitForFocusToLeave(HWND from) {
    PressKey(VK_TAB);
    return WaitUntil([&] {
               const HWND focus = FocusOf(window_);
               return (focus != nullptr && focus != from) || !IsWindow(window_);
           }) &&
           IsWindow(window_) && Responds(window_);
}

bool TavrinSession::ClickAndWait(const RECT& buttonPlace) {
    const HWND button = Control(buttonPlace);
    ClickAt(ScreenCentreOf(button));
    // The click gives the button the focus before its handler runs.
    return WaitUntil([&] { return FocusOf(window_) == button; }) && WaitForFocusToLeave(button);
}

bool TavrinSession::PressAndWait(WORD key, std::initializer_list<WORD> modifiers) {
    const HWND before = FocusOf(window_);
    PressKey(key, modifiers);
    return WaitForFocusToLeave(before);
}

IcoFiles TavrinSession::IcoFilesBesideProgram() const {
    return IcoFilesIn(programFolder_.Path().string());
}

IcoFiles IcoFilesIn(const std::string& folder) {
    IcoFiles files;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path().extension() == ".ico") {
            files[entry.path().filename().string()] =
                ReadFileBytes(entry.path().string()).value_or(ByteVector{});
        }
    }
    return files;
}

IcoFiles EngineOutputFor(const std::string& source) {
    const TempDir folder;
    for (int index = 1; index <= 100; ++index) {
        icons::ExtractIconGroup(source.c_str(), 0,
                                folder.File(std::to_string(index) + ".ico").c_str(), index);
    }
    return IcoFilesIn(folder.Path().string());
}

std::string CopyInto(const std::string& file, const TempDir& folder, const std::string& name) {
    const std::string target = folder.File(name);
    std::error_code error;
    fs::copy_file(fs::path(file), fs::path(target), fs::copy_options::overwrite_existing, error);
    EXPECT_FALSE(error) << "cannot copy " << file;
    return target;
}

std::string CopyFixture(const std::string& fixture, const TempDir& folder,
                        const std::string& name) {
    return CopyInto(FixturePath(fixture), folder, name);
}

}  // namespace tavrin::test
