#pragma once
// A program started by a test, ended with the test if it still runs.

#include <windows.h>

#include <optional>
#include <string>

namespace tavrin::test {

class RunningProgram {
  public:
    enum class Output { kShown, kDiscarded };

    // Starts `commandLine` in `currentDirectory` (the test's own when empty).
    // Check Started() afterwards.
    explicit RunningProgram(const std::wstring& commandLine,
                            const std::wstring& currentDirectory = L"",
                            Output output = Output::kShown);
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram();

    bool Started() const { return process_ != nullptr; }
    DWORD Id() const { return id_; }
    DWORD ThreadId() const { return threadId_; }

    // The exit code once the program has ended within `limitMs`.
    std::optional<DWORD> WaitForExit(DWORD limitMs = 120000);
    bool Running() const;

    // Its first visible top-level window, waiting for it to appear.
    HWND WaitForMainWindow();

    // Visible top-level windows of the program other than `except`.
    int CountOtherWindows(HWND except) const;

  private:
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
    DWORD threadId_ = 0;
};

// Quotes one argument for a command line.
std::wstring Quoted(const std::wstring& argument);

}  // namespace tavrin::test
