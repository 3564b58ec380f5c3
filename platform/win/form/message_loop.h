#pragma once
// The UI thread's message loop.

namespace tavrin::platform {

// Dispatches messages until the last window of the program's forms has been
// destroyed.
void RunMessageLoop();

}  // namespace tavrin::platform
