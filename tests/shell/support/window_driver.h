#pragma once
// Driving a window of another process as a user would: files dropped by a
// real drag, buttons clicked and keys pressed through the input queue, each
// waited for until the window has handled it.

#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace tavrin::test {

// Drags `files` with the drag-source program and drops them at a point of
// `window`'s client area; true when the drop was made.
bool DropFiles(const std::string& dragSource, HWND window, const std::vector<std::string>& files,
               POINT client);
// The same with paths offered in UTF-16, as the system's shell offers them.
bool DropWideFiles(const std::string& dragSource, HWND window,
                   const std::vector<std::wstring>& files, POINT client);

// Clicks `button` and waits until its handler has returned: a Tab pressed
// after the click takes the focus off the button only then.
bool ClickAndWait(HWND window, HWND button);

// Presses a key and waits, by the same Tab, until the window has handled
// it; false when the window went away meanwhile.
bool PressAndWait(HWND window, WORD key, std::initializer_list<WORD> modifiers = {});

}  // namespace tavrin::test
