#pragma once
// The program's main window laid out for the runtime's tests, with handlers
// that record what they are called with.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/form/form.h"
#include "shell/main_form_layout.h"

namespace tavrin::platform::test {

inline constexpr std::size_t kLabel = shell::标签2;
inline constexpr std::size_t kDrop = shell::拖放对象1;
inline constexpr std::size_t kSecondButton = shell::按钮2;
inline constexpr std::size_t kFirstButton = shell::按钮1;
inline constexpr std::size_t kBox = shell::编辑框1;

// What the handlers saw.
struct Seen {
    int creationFinished = 0;
    bool visibleWhenCreationFinished = true;
    bool controlsExistedWhenCreationFinished = false;
    int contentChanged = 0;
    std::string contentWhenChanged;
    std::vector<std::size_t> pressed;  // control indices
    std::vector<std::string> filesReceived;
    bool destroyInCreationFinished = false;
};
Seen& Record();

const FormDescription& TestForm();

// Handles every message already waiting; false when the quit message came.
bool PumpMessages();

// Loads the test form; destroys it and drains its quit message afterwards.
class LoadedTestForm {
  public:
    LoadedTestForm();
    ~LoadedTestForm();
    Form& operator*() { return *form_; }
    Form* operator->() { return form_.get(); }

  private:
    std::unique_ptr<Form> form_;
};

}  // namespace tavrin::platform::test
