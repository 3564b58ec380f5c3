#pragma once
// A loaded form: its top-level window and its controls, created from a
// stored description. One Form object per window, bound as the window is
// created.

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/win/form/control.h"
#include "platform/win/form/form_description.h"

namespace tavrin::platform {

class Form {
  public:
    // Creates the window, still hidden, and its controls with their stored
    // settings; raises CreationFinished; then, if the window still exists,
    // shows it normally. A window that cannot be created ends the process
    // with the runtime's error box.
    static std::unique_ptr<Form> Load(const FormDescription& description);

    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;
    ~Form();  // destroys the window if it is still there

    // The top-level window; none once it has been destroyed.
    HWND Handle() const { return window_; }
    const FormDescription& Description() const { return description_; }

    // Controls in the order of the description.
    Control& operator[](std::size_t index) { return *controls_.at(index); }
    std::size_t ControlCount() const { return controls_.size(); }
    Control* Find(std::string_view name);

    // The form whose top-level window `window` is, if any.
    static Form* FromHandle(HWND window);

    // How many windows of forms exist in the process.
    static int LiveWindows();

  private:
    explicit Form(const FormDescription& description);

    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    Control* ControlOf(HWND window);
    void CreateWindowAndControls();
    void ArrangeTabRing();
    void Activated(bool active);
    void Gone();

    const FormDescription& description_;
    HWND window_ = nullptr;
    std::vector<std::unique_ptr<Control>> controls_;
    HWND lastFocus_ = nullptr;  // restored when the window is activated again
};

}  // namespace tavrin::platform
