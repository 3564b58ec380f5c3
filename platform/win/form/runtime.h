#pragma once
// What the runtime sets up on the UI thread before a form is loaded, and
// takes down after the message loop.

#include <string>

namespace tavrin::platform {

// The current directory that makes relative names resolve beside the program
// file: "C:\Tools" gives "C:\Tools\", "X:" gives "X:\".
std::string CurrentDirectoryFor(const std::string& programDirectory);

class Runtime {
  public:
    // Initialises OLE (drag and drop needs it), takes the program directory
    // and makes it the current directory, so relative names resolve beside
    // the program file.
    Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;
    ~Runtime();

  private:
    bool oleReady_ = false;
};

}  // namespace tavrin::platform
