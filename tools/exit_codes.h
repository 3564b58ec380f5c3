#pragma once

namespace tavrin::tools {

inline constexpr int kExitWrote = 0;
inline constexpr int kExitNothingWritten = 1;
inline constexpr int kExitBadArguments = 2;
inline constexpr int kExitPartly = 3;

}  // namespace tavrin::tools
