#include "tests/shell/support/running_program.h"

#include <vector>

#include "tests/shell/support/polling.h"

namespace tavrin::test {
namespace {

struct WindowSearch {
    DWORD process;
    std::vector<HWND> windows;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM lParam) {
    auto& search = *reinterpret_cast<WindowSearch*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search.process && IsWindowVisible(window)) {
        search.windows.push_back(window);
    }
    return TRUE;
}

std::vector<HWND> VisibleTopLevelWindowsOf(DWORD process) {
    WindowSearch search{process, {}};
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
    return search.windows;
}

}  // namespace

RunningProgram::RunningProgram(const std::wstring& commandLine,
                               const std::wstring& currentDirectory, Output output) {
    std::wstring mutableLine = commandLine;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
    const HANDLE nothing =
        output == Output::kDiscarded
            ? CreateFileW(L"NUL", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          &inheritable, OPEN_EXISTING, 0, nullptr)
            : INVALID_HANDLE_VALUE;
    if (nothing != INVALID_HANDLE_VALUE) {
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nothing;
        startup.hStdOutput = nothing;
        startup.hStdError = nothing;
    }
    PROCESS_INFORMATION process{};
    const BOOL started = CreateProcessW(
        nullptr, mutableLine.data(), nullptr, nullptr, nothing != INVALID_HANDLE_VALUE, 0, nullptr,
        currentDirectory.empty() ? nullptr : currentDirectory.c_str(), &startup, &process);
    if (nothing != INVALID_HANDLE_VALUE) {
        CloseHandle(nothing);
    }
    if (started) {
        CloseHandle(process.hThread);
        process_ = process.hProcess;
        id_ = process.dwProcessId;
        threadId_ = process.dwThreadId;
    }
}

RunningProgram::~RunningProgram() {
    if (process_ == nullptr) {
        return;
    }
    if (Running()) {
        TerminateProcess(process_, 255);
        WaitForSingleObject(process_, 30000);
    }
    CloseHandle(process_);
}

std::optional<DWORD> RunningProgram::WaitForExit(DWORD limitMs) {
    if (process_ == nullptr || WaitForSingleObject(process_, limitMs) != WAIT_OBJECT_0) {
        return std::nullopt;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool RunningProgram::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

HWND RunningProgram::WaitForMainWindow() {
    HWND found = nullptr;
    WaitUntil([&] {
        const auto windows = VisibleTopLevelWindowsOf(id_);
        found = windows.empty() ? nullptr : windows.front();
        return found != nullptr || !Running();
    });
    return found;
}

int RunningProgram::CountOtherWindows(HWND except) const {
    int count = 0;
    for (const HWND window : VisibleTopLevelWindowsOf(id_)) {
        count += window != except ? 1 : 0;
    }
    return count;
}

std::wstring Quoted(const std::wstring& argument) {
    if (!argument.empty() && argument.find_first_of(L" \t\"") == std::wstring::npos) {
        return argument;
    }
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, L'\\');
    return quoted + L"\"";
}

}  // namespace tavrin::test
