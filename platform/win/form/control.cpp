#include "platform/win/form/control.h"

#include <new>

#include "platform/win/drop/drop_target.h"
#include "platform/win/form/fatal_error.h"
#include "platform/win/form/form.h"
#include "platform/win/form/texts.h"

namespace tavrin::platform {
namespace {

struct WindowKind {
    const wchar_t* className;
    DWORD style;
};

WindowKind KindOf(const ControlDescription& description) {
    switch (description.kind) {
        case ControlKind::kLabel:
            // Drawn by the runtime: a static control would break the line at
            // CR LF or wrap it.
            return {L"Static", SS_OWNERDRAW};
        case ControlKind::kEditBox:
            return {L"Edit", static_cast<DWORD>(ES_LEFT | ES_AUTOHSCROLL |
                                                (description.readOnly ? ES_READONLY : 0))};
        case ControlKind::kButton:
            return {L"Button",
                    static_cast<DWORD>(BS_PUSHBUTTON | BS_MULTILINE | BS_CENTER | BS_VCENTER)};
        case ControlKind::kDropTarget:
            break;
    }
    return {nullptr, 0};
}

std::string AnsiWindowText(HWND window) {
    std::string text = BlankText(static_cast<std::size_t>(GetWindowTextLengthA(window)) + 1);
    text.resize(static_cast<std::size_t>(
        GetWindowTextA(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace

Control::Control(Form& form, const ControlDescription& description, int id)
    : form_(form),
      description_(description),
      id_(id),
      place_(description.place),
      visible_(description.visible),
      prohibited_(description.prohibited) {}

void Control::Create(HWND parent) {
    const Place& place = description_.place;
    if (description_.kind == ControlKind::kDropTarget) {
        const DropTargetSettings settings{description_.drop.acceptText,
                                          description_.drop.acceptHtml, description_.drop.acceptUrl,
                                          description_.drop.acceptFiles};
        drop_ = DropTarget::Create(parent, settings);
        if (drop_ == nullptr) {
            EndWithError(FatalError::kWindowNotCreated);
        }
        // Its window stays hidden whatever the form stores for visibility.
        SetWindowPos(drop_->ChildWindow(), nullptr, place.left, place.top, place.width,
                     place.height, SWP_NOZORDER | SWP_NOACTIVATE);
        drop_->TextReceived = [this](const char* text) {
            RaiseReceived(description_.textReceived, text);
        };
        drop_->HtmlReceived = [this](const char* text) {
            RaiseReceived(description_.htmlReceived, text);
        };
        drop_->UrlReceived = [this](const char* text) {
            RaiseReceived(description_.urlReceived, text);
        };
        drop_->FileReceived = [this](const char* text) {
            RaiseReceived(description_.fileReceived, text);
        };
        return;
    }

    const WindowKind kind = KindOf(description_);
    const DWORD style = WS_CHILD | kind.style | (description_.visible ? WS_VISIBLE : 0) |
                        (description_.prohibited ? WS_DISABLED : 0) |
                        (description_.tabIndex >= 0 ? WS_TABSTOP : 0);
    const DWORD extendedStyle = description_.clientEdge ? WS_EX_CLIENTEDGE : 0;
    window_ = CreateWindowExW(
        extendedStyle, kind.className, WideFromUtf8(description_.caption).c_str(), style,
        place.left, place.top, place.width, place.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id_)), GetModuleHandleW(nullptr), nullptr);
    if (window_ == nullptr) {
        EndWithError(FatalError::kWindowNotCreated);
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    if (description_.backColour != kSystemColour) {
        backBrush_.Reset(CreateSolidBrush(description_.backColour));
    }
    if (description_.kind == ControlKind::kEditBox) {
        content_ = AnsiWindowText(window_);
    }
}

void Control::WindowGone() {
    // The component ends itself with its own window; it must not be reached
    // from here afterwards.
    drop_ = nullptr;
    window_ = nullptr;
}

Place Control::CurrentPlace() const {
    if (window_ == nullptr) {
        return place_;
    }
    RECT bounds{};
    GetWindowRect(window_, &bounds);
    MapWindowPoints(HWND_DESKTOP, GetParent(window_), reinterpret_cast<POINT*>(&bounds), 2);
    return {bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top};
}

bool Control::Move(const Place& place) {
    place_ = place;
    if (window_ != nullptr) {
        return MoveWindow(window_, place.left, place.top, place.width, place.height, TRUE) != 0;
    }
    if (drop_ != nullptr) {
        SetWindowPos(drop_->ChildWindow(), nullptr, place.left, place.top, place.width,
                     place.height, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    return true;
}

int Control::Number(int property) const {
    const Place place = CurrentPlace();
    switch (property) {
        case kLeft:
            return place.left;
        case kTop:
            return place.top;
        case kWidth:
            return place.width;
        case kHeight:
            return place.height;
        case kVisible:
            if (window_ != nullptr) {
                return (GetWindowLongW(window_, GWL_STYLE) & WS_VISIBLE) != 0 ? 1 : 0;
            }
            return visible_ ? 1 : 0;
        case kProhibited:
            if (window_ != nullptr) {
                return IsWindowEnabled(window_) != 0 ? 0 : 1;
            }
            return prohibited_ ? 1 : 0;
        case kMousePointer:
            return mousePointer_;
        default:
            return 0;
    }
}

bool Control::SetNumber(int property, int value) {
    Place place = CurrentPlace();
    switch (property) {
        case kLeft:
            place.left = value;
            return Move(place);
        case kTop:
            place.top = value;
            return Move(place);
        case kWidth:
            place.width = value;
            return Move(place);
        case kHeight:
            place.height = value;
            return Move(place);
        case kVisible:
            visible_ = value != 0;
            if (window_ != nullptr) {
                ShowWindow(window_, visible_ ? SW_SHOWNA : SW_HIDE);
            }
            return true;
        case kProhibited:
            prohibited_ = value != 0;
            if (window_ != nullptr) {
                EnableWindow(window_, prohibited_ ? FALSE : TRUE);
            }
            return true;
        case kMousePointer:
            mousePointer_ = value;
            return true;
        default:
            return false;
    }
}

std::string Control::Text(int property) const {
    if (property == kTag) {
        return CopyText(tag_);
    }
    if (property == kContent && description_.kind == ControlKind::kEditBox) {
        return CopyText(content_);
    }
    return std::string();
}

bool Control::SetText(int property, const char* text) {
    if (property == kTag) {
        tag_ = CopyText(text);
        return true;
    }
    if (property != kContent || description_.kind != ControlKind::kEditBox) {
        return false;
    }
    content_ = CopyText(text);
    if (window_ != nullptr) {
        // The box shows the text in the process code page; the bytes
        // themselves are kept above, so reading gives back exactly them.
        writingContent_ = true;
        SetWindowTextA(window_, content_.c_str());
        writingContent_ = false;
    }
    if (description_.contentChanged != nullptr) {
        description_.contentChanged(form_);
    }
    return true;
}

void Control::ContentChangedByOthers() {
    // A text that another program sets by message is still the box's
    // current text; only the program's own writes raise ContentChanged.
    if (!writingContent_ && window_ != nullptr) {
        content_ = AnsiWindowText(window_);
    }
}

void Control::RaisePressed() {
    if (description_.pressed != nullptr && window_ != nullptr && IsWindowEnabled(window_)) {
        description_.pressed(form_);
    }
}

void Control::RaiseReceived(TextHandler handler, const char* text) {
    // Called from inside the component's COM method: nothing may leave it.
    try {
        if (handler != nullptr) {
            handler(form_, text != nullptr ? text : "");
        }
    } catch (const std::bad_alloc&) {
        EndWithError(FatalError::kOutOfMemory);
    } catch (...) {
    }
}

HBRUSH Control::ColourControl(HDC dc) const {
    if (backBrush_.Get() == nullptr) {
        return nullptr;
    }
    SetBkColor(dc, description_.backColour);
    SetTextColor(dc, description_.textColour != kSystemColour ? description_.textColour
                                                              : GetSysColor(COLOR_WINDOWTEXT));
    return static_cast<HBRUSH>(backBrush_.Get());
}

HCURSOR Control::Pointer() const {
    if (mousePointer_ == 0) {
        return nullptr;
    }
    return LoadCursorW(nullptr, MAKEINTRESOURCEW(mousePointer_));
}

}  // namespace tavrin::platform
