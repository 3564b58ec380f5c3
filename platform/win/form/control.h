#pragma once
// One control of a loaded form: its window (or, for a DropTarget, its
// component), its properties by number and the raising of its events.

#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win/form/form_description.h"
#include "platform/win/form/gdi_object.h"

namespace tavrin::platform {

class DropTarget;

class Control {
  public:
    Control(Form& form, const ControlDescription& description, int id);
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    ~Control() = default;

    std::string_view Name() const { return description_.name; }
    ControlKind Kind() const { return description_.kind; }
    const ControlDescription& Description() const { return description_; }
    int Id() const { return id_; }

    // The control's window; none for a DropTarget and once the form's
    // window is gone.
    HWND Handle() const { return window_; }

    // Numbered properties holding integers (all but the tag and the
    // content); 0 and false for a number the kind does not have. Visible and
    // Prohibited read 0 or 1 and take any non-zero value as true.
    int Number(int property) const;
    bool SetNumber(int property, int value);

    // Numbered properties holding texts: the tag, and an EditBox's content,
    // as exact bytes. Reading gives a new text; a number the kind does not
    // have reads as the empty text. Writing an EditBox's content raises its
    // ContentChanged exactly once before the write returns, also when the
    // text is the same; a null text writes the empty text.
    std::string Text(int property) const;
    bool SetText(int property, const char* text);

    // The component of a DropTarget, while the form's window exists.
    DropTarget* DropComponent() const { return drop_; }

  private:
    friend class Form;

    void Create(HWND parent);  // the window or component, with the stored settings
    void WindowGone();         // the form's window is being destroyed

    void RaisePressed();
    void RaiseReceived(TextHandler handler, const char* text);
    void ContentChangedByOthers();
    HBRUSH ColourControl(HDC dc) const;
    HCURSOR Pointer() const;

    Place CurrentPlace() const;
    bool Move(const Place& place);

    Form& form_;
    const ControlDescription& description_;
    const int id_;
    HWND window_ = nullptr;
    DropTarget* drop_ = nullptr;
    GdiObject backBrush_;

    std::string tag_;
    std::string content_;  // what the program last wrote, byte for byte
    bool writingContent_ = false;
    int mousePointer_ = 0;  // 0: the control's own; else a system cursor id
    // Kept by the runtime for a DropTarget, which has no visible window.
    Place place_;
    bool visible_ = false;
    bool prohibited_ = false;
};

}  // namespace tavrin::platform
