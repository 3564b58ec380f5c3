#pragma once
// The program's own logic: the five handlers bound by the main form.

#include "platform/win/form/form.h"

namespace tavrin::shell {

// Switches the skin on and registers the drop target on the main window,
// before the window is first shown.
void OnCreationFinished(platform::Form& form);

// Puts the dropped text into the path box.
void OnFileReceived(platform::Form& form, const char* text);

// Makes Extract usable.
void OnPathContentChanged(platform::Form& form);

// Writes icon groups 1 to 100 of the path box's source as 1.ico to 100.ico
// in the program directory.
void OnExtractPressed(platform::Form& form);

// Deletes 1.ico to 100.ico from the current directory.
void OnDeletePressed(platform::Form& form);

}  // namespace tavrin::shell
