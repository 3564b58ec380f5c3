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

constexpr shell::MainFormHandlers kHandlers{
    .creationFinished = OnCreated,
    .fileReceived = OnFile,
    .pathContentChanged = OnChanged,
    .extractPressed = OnFirstPressed,
    .deletePressed = OnSecondPressed,
};

constexpr shell::MainFormControls kControls = shell::LayOutMainFormControls(kHandlers);

// A caption and icon of its own, so the window is never taken for the program's.
constexpr FormDescription kForm = [] {
    FormDescription form = shell::DescribeMainForm(kControls, kHandlers);
    form.caption = "测试 Form";
    form.iconName = "TEST_ICON";
    return form;
}();

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
