#pragma once
// Where the main window's controls lie, in its client area.

#include <windows.h>

namespace tavrin::test {

inline constexpr RECT k标签2Place{8, 0, 328, 40};
inline constexpr RECT k标签1Place{8, 40, 336, 64};
inline constexpr RECT k按钮2Place{280, 120, 352, 144};
inline constexpr RECT k按钮1Place{184, 120, 264, 144};
inline constexpr RECT k编辑框1Place{-8, 72, 368, 96};

}  // namespace tavrin::test
