#pragma once
// A small form for the runtime's tests, shaped like a real program's main
// window, whose handlers record what they are called with.

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "platform/win/form/form.h"

namespace tavrin::platform::test {

inline constexpr std::size_t kLabel = 0;
inline constexpr std::size_t kDrop = 1;
inline constexpr std::size_t kSecondButton = 2;
inline constexpr std::size_t kFirstButton = 3;
inline constexpr std::size_t kBox = 4;

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
