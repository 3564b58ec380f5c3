#pragma once
#include <windows.h>

#include <optional>
#include <string>

namespace tavrin::platform {

// The text held in global memory: its bytes up to the first NUL, or all of
// them when the block has none (another process's data is not trusted to
// be terminated). None when the memory cannot be locked.
std::optional<std::string> TextOfGlobal(HGLOBAL memory);

}  // namespace tavrin::platform
