#pragma once
// The main window's stored form: its layout with the program's handlers
// bound to the events.

#include "platform/win/form/form_description.h"
#include "shell/main_form_layout.h"

namespace tavrin::shell {

const platform::FormDescription& MainForm();

}  // namespace tavrin::shell
