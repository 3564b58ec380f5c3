#include "shell/main_form.h"

#include "shell/handlers.h"

namespace tavrin::shell {
namespace {

constexpr MainFormHandlers kHandlers{
    .creationFinished = OnCreationFinished,
    .fileReceived = OnFileReceived,
    .pathContentChanged = OnPathContentChanged,
    .extractPressed = OnExtractPressed,
    .deletePressed = OnDeletePressed,
};

constexpr MainFormControls kControls = LayOutMainFormControls(kHandlers);
constexpr platform::FormDescription kMainForm = DescribeMainForm(kControls, kHandlers);

}  // namespace

const platform::FormDescription& MainForm() {
    return kMainForm;
}

}  // namespace tavrin::shell
