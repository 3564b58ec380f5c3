#pragma once
// The program's start routine and its one variable.

namespace tavrin::shell {

// The loop variable of both commands; nothing else reads it.
extern int counter;

// Loads the main form and runs until its window is gone. Returns the exit
// code, 0.
int Start();

}  // namespace tavrin::shell
