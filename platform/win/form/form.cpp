#include "platform/win/form/form.h"

#include <algorithm>
#include <new>

#include "platform/win/form/fatal_error.h"
#include "platform/win/form/label_painter.h"
#include "platform/win/form/texts.h"

namespace tavrin::platform {
namespace {

constexpr wchar_t kClassName[] = L"TavrinForm";
constexpr int kFirstControlId = 100;  // clear of IDOK and IDCANCEL
int liveWindows = 0;

ATOM RegisterFormClass(WNDPROC procedure) {
    static const ATOM atom = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = kClassName;
        return RegisterClassExW(&windowClass);
    }();
    return atom;
}

void SetIcons(HWND window, const char* iconName) {
    if (iconName == nullptr) {
        return;
    }
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    const auto load = [&](int widthMetric, int heightMetric) {
        return LoadImageA(instance, iconName, IMAGE_ICON, GetSystemMetrics(widthMetric),
                          GetSystemMetrics(heightMetric), LR_SHARED);
    };
    SendMessageW(window, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(load(SM_CXICON, SM_CYICON)));
    SendMessageW(window, WM_SETICON, ICON_SMALL,
                 reinterpret_cast<LPARAM>(load(SM_CXSMICON, SM_CYSMICON)));
}

}  // namespace

Form::Form(const FormDescription& description) : description_(description) {
    int id = kFirstControlId;
    for (const ControlDescription& control : description.controls) {
        controls_.push_back(std::make_unique<Control>(*this, control, id++));
    }
}

Form::~Form() {
    if (window_ != nullptr) {
        DestroyWindow(window_);
    }
}

std::unique_ptr<Form> Form::Load(const FormDescription& description) {
    std::unique_ptr<Form> form;
    try {
        form.reset(new Form(description));
    } catch (const std::bad_alloc&) {
        EndWithError(FatalError::kOutOfMemory);
    }
    form->CreateWindowAndControls();
    try {
        if (description.creationFinished != nullptr) {
            description.creationFinished(*form);
        }
    } catch (const std::bad_alloc&) {
        EndWithError(FatalError::kOutOfMemory);
    }
    if (form->window_ != nullptr) {
        ShowWindow(form->window_, SW_SHOWNORMAL);
        UpdateWindow(form->window_);
    }
    return form;
}

void Form::CreateWindowAndControls() {
    if (RegisterFormClass(WindowProcedure) == 0) {
        EndWithError(FatalError::kWindowNotCreated);
    }
    const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN |
                        (description_.minimizeBox ? WS_MINIMIZEBOX : 0) |
                        (description_.maximizeBox ? WS_MAXIMIZEBOX : 0);
    int left = CW_USEDEFAULT;
    int top = CW_USEDEFAULT;
    if (description_.centred) {
        // The full screen, not the work area, and integer division.
        left = (GetSystemMetrics(SM_CXSCREEN) - description_.outerWidth) / 2;
        top = (GetSystemMetrics(SM_CYSCREEN) - description_.outerHeight) / 2;
    }
    const HWND created =
        CreateWindowExW(WS_EX_APPWINDOW, kClassName, WideFromUtf8(description_.caption).c_str(),
                        style, left, top, description_.outerWidth, description_.outerHeight,
                        nullptr, nullptr, GetModuleHandleW(nullptr), this);
    if (created == nullptr) {
        EndWithError(FatalError::kWindowNotCreated);
    }
    SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)),
                 FALSE);
    SetIcons(window_, description_.iconName);
    for (auto& control : controls_) {
        control->Create(window_);
    }
    ArrangeTabRing();
}

void Form::ArrangeTabRing() {
    // Tab follows the window order, so the tab stops are put into it in the
    // order of their indices; other controls keep their places.
    std::vector<Control*> ring;
    for (auto& control : controls_) {
        if (control->Handle() != nullptr && control->Description().tabIndex >= 0) {
            ring.push_back(control.get());
        }
    }
    std::stable_sort(ring.begin(), ring.end(), [](const Control* a, const Control* b) {
        return a->Description().tabIndex < b->Description().tabIndex;
    });
    for (std::size_t i = 1; i < ring.size(); ++i) {
        SetWindowPos(ring[i]->Handle(), ring[i - 1]->Handle(), 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

Control* Form::Find(std::string_view name) {
    for (auto& control : controls_) {
        if (control->Name() == name) {
            return control.get();
        }
    }
    return nullptr;
}

Control* Form::ControlOf(HWND window) {
    if (window == nullptr) {
        return nullptr;
    }
    for (auto& control : controls_) {
        if (control->Handle() == window) {
            return control.get();
        }
    }
    return nullptr;
}

Form* Form::FromHandle(HWND window) {
    if (window == nullptr ||
        GetClassLongPtrW(window, GCW_ATOM) != RegisterFormClass(WindowProcedure) ||
        GetWindowThreadProcessId(window, nullptr) != GetCurrentThreadId()) {
        return nullptr;
    }
    return reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int Form::LiveWindows() {
    return liveWindows;
}

LRESULT CALLBACK Form::WindowProcedure(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept {
    try {
        if (message == WM_NCCREATE) {
            auto* form =
                static_cast<Form*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            form->window_ = window;
            SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
            ++liveWindows;
        }
        auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (form == nullptr) {
            return DefWindowProcW(window, message, wParam, lParam);
        }
        if (message == WM_NCDESTROY) {
            const LRESULT result = DefWindowProcW(window, message, wParam, lParam);
            form->Gone();
            return result;
        }
        return form->HandleMessage(message, wParam, lParam);
    } catch (const std::bad_alloc&) {
        EndWithError(FatalError::kOutOfMemory);
    } catch (...) {
        return 0;
    }
}

LRESULT Form::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                const WORD code = HIWORD(wParam);
                if (control->Kind() == ControlKind::kButton && code == BN_CLICKED) {
                    control->RaisePressed();
                } else if (control->Kind() == ControlKind::kEditBox && code == EN_CHANGE) {
                    control->ContentChangedByOthers();
                }
            }
            return 0;
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            Control* control = ControlOf(item.hwndItem);
            if (item.CtlType == ODT_STATIC && control != nullptr) {
                PaintLabel(item, control->Description().textColour,
                           control->Description().backColour);
                return TRUE;
            }
            break;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLOREDIT:
            if (Control* control = ControlOf(reinterpret_cast<HWND>(lParam))) {
                if (const HBRUSH brush = control->ColourControl(reinterpret_cast<HDC>(wParam))) {
                    return reinterpret_cast<LRESULT>(brush);
                }
            }
            break;
        case WM_SETCURSOR:
            if (LOWORD(lParam) == HTCLIENT) {
                if (Control* control = ControlOf(reinterpret_cast<HWND>(wParam))) {
                    if (const HCURSOR pointer = control->Pointer()) {
                        SetCursor(pointer);
                        return TRUE;
                    }
                }
            }
            break;
        case WM_ACTIVATE:
            if (HIWORD(wParam) == 0) {  // not minimised
                Activated(LOWORD(wParam) != WA_INACTIVE);
                return 0;
            }
            break;
        case WM_DESTROY:
            for (auto& control : controls_) {
                control->WindowGone();
            }
            break;
        default:
            break;
    }
    return DefWindowProcW(window_, message, wParam, lParam);
}

void Form::Activated(bool active) {
    if (!active) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(window_, focus)) {
            lastFocus_ = focus;
        }
        return;
    }
    HWND target = lastFocus_;
    if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target) ||
        !IsWindowVisible(target)) {
        target = GetNextDlgTabItem(window_, nullptr, FALSE);
    }
    SetFocus(target != nullptr ? target : window_);
}

void Form::Gone() {
    SetWindowLongPtrW(window_, GWLP_USERDATA, 0);
    for (auto& control : controls_) {
        control->WindowGone();
    }
    window_ = nullptr;
    lastFocus_ = nullptr;
    if (--liveWindows == 0) {
        PostQuitMessage(0);
    }
}

}  // namespace tavrin::platform
