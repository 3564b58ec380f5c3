#include "tests/platform/drop/support/drag_source_process.h"

#include "tests/platform/drop/support/test_window.h"

namespace tavrin::test {
namespace {

class Handle {
  public:
    Handle() = default;
    explicit Handle(HANDLE handle) : handle_(handle) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() { Close(); }
    HANDLE Get() const { return handle_; }
    HANDLE* Out() { return &handle_; }
    void Close() {
        if (handle_ != nullptr && handle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(handle_);
        }
        handle_ = nullptr;
    }

  private:
    HANDLE handle_ = nullptr;
};

std::string Quoted(const std::string& argument) {
    if (!argument.empty() && argument.find_first_of(" \t\"") == std::string::npos) {
        return argument;
    }
    // Backslashes double only where a quote follows them.
    std::string quoted = "\"";
    std::size_t backslashes = 0;
    for (const char c : argument) {
        if (c == '\\') {
            ++backslashes;
            continue;
        }
        quoted.append(c == '"' ? backslashes * 2 + 1 : backslashes, '\\');
        backslashes = 0;
        quoted += c;
    }
    quoted.append(backslashes * 2, '\\');
    return quoted + "\"";
}

std::string ReadAll(HANDLE pipe) {
    std::string text;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(pipe, buffer, sizeof(buffer), &read, nullptr) != 0 && read > 0) {
        text.append(buffer, read);
    }
    return text;
}

}  // namespace

DragSourceRun RunDragSource(const std::string& program, const std::vector<std::string>& arguments,
                            DWORD timeLimitMs) {
    DragSourceRun run;
    std::string commandLine = Quoted(program);
    for (const std::string& argument : arguments) {
        commandLine += ' ';
        commandLine += Quoted(argument);
    }

    SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
    Handle readEnd;
    Handle writeEnd;
    if (CreatePipe(readEnd.Out(), writeEnd.Out(), &inheritable, 0) == 0) {
        return run;
    }
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = writeEnd.Get();
    PROCESS_INFORMATION process{};
    if (CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_NO_WINDOW,
                       nullptr, nullptr, &startup, &process) == 0) {
        return run;
    }
    const Handle processHandle(process.hProcess);
    const Handle threadHandle(process.hThread);
    writeEnd.Close();  // the child holds the only writer now, so reading ends with it

    run.finished = PumpMessagesUntil(
        [&] { return WaitForSingleObject(processHandle.Get(), 0) == WAIT_OBJECT_0; }, timeLimitMs);
    if (!run.finished) {
        TerminateProcess(processHandle.Get(), 255);
        WaitForSingleObject(processHandle.Get(), INFINITE);
    }
    GetExitCodeProcess(processHandle.Get(), &run.exitCode);
    run.output = ReadAll(readEnd.Get());
    return run;
}

}  // namespace tavrin::test
