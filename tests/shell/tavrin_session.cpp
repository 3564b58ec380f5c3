#include "tests/shell/tavrin_session.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "icons/extract_icon_group.h"
#include "tests/shell/support/polling.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/support/window_driver.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

}  // namespace

TavrinSession::TavrinSession() : programDir_(programFolder_.Path()) {
    Start(programDir_ / "tavrin.exe");
}

TavrinSession::TavrinSession(const fs::path& programFile)
    : programDir_(programFile.parent_path()), ownFolder_(false) {
    Start(programFile);
}

TavrinSession::~TavrinSession() {
    program_.reset();
    if (!ownFolder_) {
        std::error_code error;
        for (int i = 1; i <= 100; ++i) {
            fs::remove(programDir_ / (std::to_string(i) + ".ico"), error);
        }
        fs::remove(exe_, error);
    }
}

void TavrinSession::Start(const fs::path& exe) {
    exe_ = exe;
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
    return DropFiles(TAVRIN_DRAG_SOURCE, window_, files, client);
}

bool TavrinSession::DropWide(const std::vector<std::wstring>& files, POINT client) {
    return DropWideFiles(TAVRIN_DRAG_SOURCE, window_, files, client);
}

std::string TavrinSession::PathBoxText() const {
    return AnsiTextOf(Control(k编辑框1Place));
}

bool TavrinSession::ClickAndWait(const RECT& buttonPlace) {
    return test::ClickAndWait(window_, Control(buttonPlace));
}

bool TavrinSession::PressAndWait(WORD key, std::initializer_list<WORD> modifiers) {
    return test::PressAndWait(window_, key, modifiers);
}

IcoFiles TavrinSession::IcoFilesBesideProgram() const {
    return IcoFilesIn(programDir_.string());
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
