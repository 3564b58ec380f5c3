#pragma once
// The two failures a form program cannot carry on from. The user sees the
// runtime's own error box; the process then ends with exit code -1.

namespace tavrin::platform {

enum class FatalError { kWindowNotCreated, kOutOfMemory };

[[noreturn]] void EndWithError(FatalError error) noexcept;

}  // namespace tavrin::platform
