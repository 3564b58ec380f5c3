// Drags a file list from this process to a screen point and drops it there,
// as a user would with the mouse: the drop target of another process gets a
// real OLE drag. Prints the effect and DoDragDrop's result.
//
// Exit codes: 0 the drop was made (DoDragDrop returned DRAGDROP_S_DROP, or
// the failure the target's Drop answered with), 1 cancelled, 2 usage error,
// 3 the drag could not be run.

#include <ole2.h>
#include <shellapi.h>

#include <atomic>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include "platform/win/drop/com_ptr.h"
#include "tests/platform/drop/drag_source/drag_options.h"
#include "tests/platform/drop/drag_source/file_list_data_object.h"
#include "tests/platform/drop/drag_source/scripted_drop_source.h"
#include "tests/platform/drop/support/file_list_block.h"
#include "tests/support/synthetic_input.h"

namespace {

using tavrin::platform::ComPtr;
using namespace tavrin::test;

constexpr DWORD kDragTimeLimitMs = 60000;

enum ExitCode { kDropped = 0, kCancelled = 1, kUsageError = 2, kFailed = 3 };

// The event the drag loop sets on each turn, closed on every path.
class LoopTurnedEvent {
  public:
    LoopTurnedEvent() : event_(CreateEventW(nullptr, FALSE, FALSE, nullptr)) {}
    LoopTurnedEvent(const LoopTurnedEvent&) = delete;
    LoopTurnedEvent& operator=(const LoopTurnedEvent&) = delete;
    ~LoopTurnedEvent() {
        if (event_ != nullptr) {
            CloseHandle(event_);
        }
    }
    HANDLE Get() const { return event_; }

  private:
    HANDLE event_;
};

class OleSession {
  public:
    OleSession() : result_(OleInitialize(nullptr)) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (SUCCEEDED(result_)) {
            OleUninitialize();
        }
    }
    bool Ok() const { return SUCCEEDED(result_); }

  private:
    HRESULT result_;
};

struct DragOutcome {
    HRESULT result = E_FAIL;
    DWORD effect = DROPEFFECT_NONE;
    bool askedToDrop = false;
};

// The last `count` arguments as the command line spells them in UTF-16:
// names the ANSI code page cannot spell arrive intact.
std::vector<std::wstring> WideFiles(std::size_t count) {
    int argc = 0;
    LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    std::vector<std::wstring> files;
    if (argv != nullptr && static_cast<std::size_t>(argc) >= count) {
        files.assign(argv + argc - static_cast<std::ptrdiff_t>(count), argv + argc);
    }
    LocalFree(argv);
    return files;
}

DragOutcome RunDrag(const DragOptions& options) {
    DragOutcome outcome;
    const LoopTurnedEvent loopTurned;
    if (loopTurned.Get() == nullptr) {
        return outcome;
    }
    const auto data = ComPtr<IDataObject>::Adopt(
        new FileListDataObject(options.wide ? WideFileListBlock(WideFiles(options.files.size()))
                                            : AnsiFileListBlock(options.files)));
    const auto source = ComPtr<ScriptedDropSource>::Adopt(
        new ScriptedDropSource(loopTurned.Get(), kDragTimeLimitMs));

    const HeldKeys keys(options.keys);
    std::atomic<bool> stop = false;
    std::thread glide([&] {
        if (GlidePointer(options.target, loopTurned.Get(), stop)) {
            source->MarkArrived();
        }
    });
    outcome.result = DoDragDrop(data.Get(), source.Get(), options.allowedEffects, &outcome.effect);
    stop = true;
    glide.join();
    outcome.askedToDrop = source->AskedToDrop();
    return outcome;
}

ExitCode ExitCodeOf(const DragOutcome& outcome) {
    if (outcome.result == DRAGDROP_S_DROP) {
        return kDropped;
    }
    if (outcome.result == DRAGDROP_S_CANCEL) {
        return kCancelled;
    }
    // A target whose Drop fails makes DoDragDrop return that failure.
    return FAILED(outcome.result) && outcome.askedToDrop ? kDropped : kFailed;
}

}  // namespace

int main(int argc, char** argv) try {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    const auto options = ParseDragOptions(arguments);
    if (!options) {
        std::fputs(kDragUsage, stderr);
        return kUsageError;
    }
    const OleSession ole;
    if (!ole.Ok()) {
        std::fputs("OLE cannot be initialised\n", stderr);
        return kFailed;
    }
    const DragOutcome outcome = RunDrag(*options);
    std::printf("effect %lu\nresult 0x%08lX\n", outcome.effect,
                static_cast<unsigned long>(outcome.result));
    std::fflush(stdout);
    return ExitCodeOf(outcome);
} catch (...) {
    std::fputs("out of memory\n", stderr);
    return kFailed;
}
