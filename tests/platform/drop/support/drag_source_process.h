#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace tavrin::test {

struct DragSourceRun {
    bool finished = false;  // false: it did not end within the time limit
    DWORD exitCode = 0;
    std::string output;  // what it printed
};

// Runs the drag-source program with `arguments`, dispatching this thread's
// messages meanwhile (the drop target answers OLE's calls through them).
DragSourceRun RunDragSource(const std::string& program, const std::vector<std::string>& arguments,
                            DWORD timeLimitMs);

}  // namespace tavrin::test
