#include "shell/program.h"

#include <memory>

#include "platform/win/form/form.h"
#include "platform/win/form/message_loop.h"
#include "shell/main_form.h"

namespace tavrin::shell {

int counter = 0;

int Start() {
    counter = 0;
    const std::unique_ptr<platform::Form> mainForm = platform::Form::Load(MainForm());
    platform::RunMessageLoop();
    return 0;
}

}  // namespace tavrin::shell
