#pragma once
// The main window's layout: the window and its six controls with their
// settings. Handlers are passed in, so the form runtime's tests can load the
// very same window with handlers that record what they see.

#include <array>
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

struct MainFormHandlers {
    platform::FormHandler creationFinished = nullptr;
    platform::TextHandler fileReceived = nullptr;
    platform::FormHandler pathContentChanged = nullptr;
    platform::FormHandler extractPressed = nullptr;
    platform::FormHandler deletePressed = nullptr;
};

using MainFormControls = std::array<platform::ControlDescription, 6>;

constexpr MainFormControls LayOutMainFormControls(const MainFormHandlers& handlers) {
    using platform::ControlKind;
    return {{
        {.name = "标签2",
         .kind = ControlKind::kLabel,
         .place = {8, 0, 320, 40},
         .caption = "1.将文件拖入\r\n2.点击提取\r\n3.删除提取的图标",
         .textColour = RGB(255, 0, 0)},
        {.name = "标签1",
         .kind = ControlKind::kLabel,
         .place = {8, 40, 328, 24},
         .caption = "注意：提取文件的扩展名必须为exe、dll、ico或icl",
         .textColour = RGB(0, 0, 255)},
        {.name = "拖放对象1",
         .kind = ControlKind::kDropTarget,
         .place = {0, 96, 26, 26},
         .visible = false,
         .drop = {.acceptFiles = true},
         .fileReceived = handlers.fileReceived},
        {.name = "按钮2",
         .kind = ControlKind::kButton,
         .place = {280, 120, 72, 24},
         .caption = "删除",
         .tabIndex = 2,
         .pressed = handlers.deletePressed},
        {.name = "按钮1",
         .kind = ControlKind::kButton,
         .place = {184, 120, 80, 24},
         .caption = "提取",
         .prohibited = true,
         .tabIndex = 1,
         .pressed = handlers.extractPressed},
        {.name = "编辑框1",
         .kind = ControlKind::kEditBox,
         .place = {-8, 72, 376, 24},
         .textColour = RGB(0, 0, 0),
         .backColour = RGB(255, 255, 255),
         .readOnly = true,
         .clientEdge = true,
         .tabIndex = 0,
         .contentChanged = handlers.pathContentChanged},
    }};
}

// The description refers to `controls`, which must therefore outlive it.
constexpr platform::FormDescription DescribeMainForm(const MainFormControls& controls,
                                                     const MainFormHandlers& handlers) {
    return {
        .caption = "Tavrin",
        .outerWidth = 380,
        .outerHeight = 181,
        .centred = true,
        .minimizeBox = false,
        .maximizeBox = false,
        .iconName = "DEFAULT_ICON",
        .controls = controls,
        .creationFinished = handlers.creationFinished,
    };
}

static_assert([] {
    const MainFormControls controls = LayOutMainFormControls({});
    return controls[标签2].name == "标签2" && controls[标签1].name == "标签1" &&
           controls[拖放对象1].name == "拖放对象1" && controls[按钮2].name == "按钮2" &&
           controls[按钮1].name == "按钮1" && controls[编辑框1].name == "编辑框1";
}());

}  // namespace tavrin::shell
