#include "shell/main_form.h"

#include <array>

#include "shell/handlers.h"

namespace tavrin::shell {
namespace {

using platform::ControlDescription;
using platform::ControlKind;

constexpr std::array<ControlDescription, 6> kControls{{
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
     .fileReceived = OnFileReceived},
    {.name = "按钮2",
     .kind = ControlKind::kButton,
     .place = {280, 120, 72, 24},
     .caption = "删除",
     .tabIndex = 2,
     .pressed = OnDeletePressed},
    {.name = "按钮1",
     .kind = ControlKind::kButton,
     .place = {184, 120, 80, 24},
     .caption = "提取",
     .prohibited = true,
     .tabIndex = 1,
     .pressed = OnExtractPressed},
    {.name = "编辑框1",
     .kind = ControlKind::kEditBox,
     .place = {-8, 72, 376, 24},
     .textColour = RGB(0, 0, 0),
     .backColour = RGB(255, 255, 255),
     .readOnly = true,
     .clientEdge = true,
     .tabIndex = 0,
     .contentChanged = OnPathContentChanged},
}};

constexpr platform::FormDescription kMainForm{
    .caption = "Tavrin",
    .outerWidth = 380,
    .outerHeight = 181,
    .centred = true,
    .minimizeBox = false,
    .maximizeBox = false,
    .iconName = "DEFAULT_ICON",
    .controls = kControls,
    .creationFinished = OnCreationFinished,
};

static_assert(kControls[标签2].name == "标签2" && kControls[标签1].name == "标签1" &&
              kControls[拖放对象1].name == "拖放对象1" && kControls[按钮2].name == "按钮2" &&
              kControls[按钮1].name == "按钮1" && kControls[编辑框1].name == "编辑框1");

}  // namespace

const platform::FormDescription& MainForm() {
    return kMainForm;
}

}  // namespace tavrin::shell
