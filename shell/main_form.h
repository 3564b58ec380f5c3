#pragma once
// The main window's stored form: the window, its six controls with their
// settings, and the handlers bound to their events.

#include <cstddef>

#include "platform/win/form/form_description.h"

namespace tavrin::shell {

// The controls by their form names, as indices into the form.
inline constexpr std::size_t 标签2 = 0;
inline constexpr std::size_t 标签1 = 1;
inline constexpr std::size_t 拖放对象1 = 2;
inline constexpr std::size_t 按钮2 = 3;
inline constexpr std::size_t 按钮1 = 4;
inline constexpr std::size_t 编辑框1 = 5;

const platform::FormDescription& MainForm();

}  // namespace tavrin::shell
