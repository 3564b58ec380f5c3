#include "tests/platform/form/test_form.h"

namespace tavrin::platform::test {
namespace {

bool AllControlsExist(Form& form) {
    for (std::size_t i = 0; i < form.ControlCount(); ++i) {
        const bool exists = form[i].Kind() == ControlKind::kDropTarget
                                ? form[i].DropComponent() != nullptr
                                : form[i].Handle() != nullptr;
        if (!exists) {
            return false;
        }
    }
    return true;
}

void OnCreated(Form& form) {
    Seen& seen = Record();
    ++seen.creationFinished;
    seen.visibleWhenCreationFinished = IsWindowVisible(form.Handle()) != 0;
    seen.controlsExistedWhenCreationFinished = AllControlsExist(form);
    if (seen.destroyInCreationFinished) {
        DestroyWindow(form.Handle());
    }
}

void OnChanged(Form& form) {
    ++Record().contentChanged;
    Record().contentWhenChanged = form[kBox].Text(kContent);
}

void OnSecondPressed(Form&) {
    Record().pressed.push_back(kSecondButton);
}
void OnFirstPressed(Form&) {
    Record().pressed.push_back(kFirstButton);
}
void OnFile(Form&, const char* text) {
    Record().filesReceived.emplace_back(text);
}

constexpr std::array<ControlDescription, 5> kControls{{
    {.name = "标签",
     .kind = ControlKind::kLabel,
     .place = {8, 0, 320, 40},
     .caption = "一\r\n二",
     .textColour = RGB(255, 0, 0)},
    {.name = "拖放",
     .kind = ControlKind::kDropTarget,
     .place = {0, 96, 26, 26},
     .visible = false,
     .drop = {.acceptFiles = true},
     .fileReceived = OnFile},
    {.name = "second",
     .kind = ControlKind::kButton,
     .place = {280, 120, 72, 24},
     .caption = "删除",
     .tabIndex = 2,
     .pressed = OnSecondPressed},
    {.name = "first",
     .kind = ControlKind::kButton,
     .place = {184, 120, 80, 24},
     .caption = "提取",
     .prohibited = true,
     .tabIndex = 1,
     .pressed = OnFirstPressed},
    {.name = "box",
     .kind = ControlKind::kEditBox,
     .place = {-8, 72, 376, 24},
     .textColour = RGB(0, 0, 0),
     .backColour = RGB(255, 255, 255),
     .readOnly = true,
     .clientEdge = true,
     .tabIndex = 0,
     .contentChanged = OnChanged},
}};

constexpr FormDescription kForm{
    .caption = "测试 Form",
    .outerWidth = 380,
    .outerHeight = 181,
    .iconName = "TEST_ICON",
    .controls = kControls,
    .creationFinished = OnCreated,
};

}  // namespace

Seen& Record() {
    static Seen seen;
    return seen;
}

const FormDescription& TestForm() {
    return kForm;
}

bool PumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            return false;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return true;
}

LoadedTestForm::LoadedTestForm() : form_(Form::Load(kForm)) {
    PumpMessages();
}

LoadedTestForm::~LoadedTestForm() {
    form_.reset();
    PumpMessages();
    Record() = Seen{};
}

}  // namespace tavrin::platform::test
