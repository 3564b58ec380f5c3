#pragma once
// Whether a file is still open somewhere in the test's own process: a check
// that the file layer lets go of every handle, descriptor and view.

#include <string>

namespace tavrin::test {

// True while this process has the file or folder at `path` open or mapped.
bool Held(const std::string& path);

// An empty file is never mapped; only Windows keeps it open, for its share
// mode's sake.
#ifdef _WIN32
inline constexpr bool kEmptyFileHeld = true;
#else
inline constexpr bool kEmptyFileHeld = false;
#endif

}  // namespace tavrin::test
