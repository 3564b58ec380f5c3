#pragma once
// The real tavrin.exe, copied into a fresh folder and started from another
// one, with its window and controls found: what the end-to-end tests drive.

#include <windows.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "tests/shell/main_window_places.h"
#include "tests/shell/support/running_program.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_dir.h"

namespace tavrin::test {

using IcoFiles = std::map<std::string, ByteVector>;  // by file name

class TavrinSession {
  public:
    // tavrin.exe copied into a fresh folder.
    TavrinSession();
    // tavrin.exe copied to `programFile` (a drive's root, say); the copy and
    // every N.ico beside it are removed afterwards.
    explicit TavrinSession(const std::filesystem::path& programFile);
    TavrinSession(const TavrinSession&) = delete;
    TavrinSession& operator=(const TavrinSession&) = delete;
    ~TavrinSession();

    // False when the program did not start or show its window; the reason
    // has been reported as a test failure.
    bool Ready() const { return window_ != nullptr; }

    HWND Window() const { return window_; }
    HWND Control(const RECT& place) const;
    RunningProgram& Program() { return *program_; }
    const TempDir& ProgramFolder() const { return programFolder_; }
    const TempDir& StartFolder() const { return startFolder_; }

    // Drags `files` from another process and drops them at a point of the
    // client area; true when the drag source reports the drop made.
    bool Drop(const std::vector<std::string>& files, POINT client = {172, 52});
    bool DropWide(const std::vector<std::wstring>& files, POINT client = {172, 52});
    std::string PathBoxText() const;

    // Clicks a button and waits until its handler has returned: a Tab
    // pressed after the click takes the focus off the button only then.
    bool ClickAndWait(const RECT& buttonPlace);

    // Presses a key and waits until the window has handled it, by the same
    // Tab; false when the window went away meanwhile.
    bool PressAndWait(WORD key, std::initializer_list<WORD> modifiers = {});

    // The .ico files in the program's folder.
    IcoFiles IcoFilesBesideProgram() const;

  private:
    void Start(const std::filesystem::path& exe);

    TempDir programFolder_;
    std::filesystem::path programDir_;
    std::filesystem::path exe_;
    bool ownFolder_ = true;
    TempDir startFolder_;
    std::unique_ptr<RunningProgram> program_;
    HWND window_ = nullptr;
};

// What the engine itself writes for `source`, index by index, as the
// program's Extract does.
IcoFiles EngineOutputFor(const std::string& source);

// Every .ico file in a folder.
IcoFiles IcoFilesIn(const std::string& folder);

// A file copied into `folder`, under `name`; its full path.
std::string CopyInto(const std::string& file, const TempDir& folder, const std::string& name);

// A fixture file of the build copied into `folder`, under `name`.
std::string CopyFixture(const std::string& fixture, const TempDir& folder, const std::string& name);

}  // namespace tavrin::test
