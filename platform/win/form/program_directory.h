#pragma once
// The directory that holds the program file, taken once at start-up.

#include <windows.h>

#include <string>

namespace tavrin::platform {

// Everything before the last backslash of `path`, scanning it character by
// character in `codePage`, so the trail byte of a double-byte character is
// never taken for a backslash. "X:\tool.exe" gives "X:"; a path without a
// backslash gives the empty text.
std::string DirectoryOfPath(const std::string& path, UINT codePage);

// The full path of the running program file, however long.
std::string ProgramFilePath();

// Takes the program directory from the program file's path, in the process
// code page, keeps it for ProgramDirectory() and returns it.
std::string TakeProgramDirectory();

// The directory taken at start-up, without a trailing separator; a new text.
std::string ProgramDirectory();

}  // namespace tavrin::platform
