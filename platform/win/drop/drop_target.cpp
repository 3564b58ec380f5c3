#include "platform/win/drop/drop_target.h"

#include <new>

#include "platform/win/drop/drop_target_object.h"

namespace tavrin::platform {
namespace {

constexpr wchar_t kChildClassName[] = L"TavrinDropTarget";

bool RegisterChildClass(WNDPROC procedure) {
    static const bool registered = [procedure] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = kChildClassName;
        return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
    }();
    return registered;
}

}  // namespace

DropTarget* DropTarget::Create(HWND container, DropTargetSettings settings) {
    if (!RegisterChildClass(&DropTarget::ChildWindowProc)) {
        return nullptr;
    }
    auto* target = new (std::nothrow) DropTarget(container, settings);
    if (target == nullptr || target->object_ == nullptr) {
        delete target;
        return nullptr;
    }
    const HWND child = CreateWindowExW(0, kChildClassName, L"", WS_CHILD, 0, 0, 0, 0, container,
                                       nullptr, GetModuleHandleW(nullptr), target);
    if (child == nullptr) {
        delete target;
        return nullptr;
    }
    // From here on the window owns the component.
    target->child_ = child;
    return target;
}

DropTarget::DropTarget(HWND container, DropTargetSettings settings)
    : container_(container), object_(new (std::nothrow) DropTargetObject(settings, *this)) {}

DropTarget::~DropTarget() {
    if (child_ != nullptr) {  // a component that never came to be registered nothing
        RevokeDragDrop(container_);
    }
    if (object_ != nullptr) {
        object_->Detach();
        object_->Release();
    }
}

bool DropTarget::RegisterDropWindow(HWND window) {
    if (registeredWindow_ != nullptr) {
        return false;
    }
    // Recorded before OLE is asked: a refused attempt is the one attempt.
    registeredWindow_ = window;
    return RegisterDragDrop(window, object_) == S_OK;
}

IDropTarget* DropTarget::ComObject() {
    return object_;
}

HWND DropTarget::ChildWindow() const {
    return child_;
}

LRESULT CALLBACK DropTarget::ChildWindowProc(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
    switch (message) {
        case WM_NCCREATE: {
            const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
            SetWindowLongPtrW(window, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_STYLECHANGING:
            // The component has no visible presence, whatever a form asks.
            if (wParam == static_cast<WPARAM>(GWL_STYLE)) {
                reinterpret_cast<STYLESTRUCT*>(lParam)->styleNew &= ~static_cast<DWORD>(WS_VISIBLE);
            }
            return 0;
        case WM_WINDOWPOSCHANGING:
            reinterpret_cast<WINDOWPOS*>(lParam)->flags &= ~static_cast<UINT>(SWP_SHOWWINDOW);
            return 0;
        case WM_NCDESTROY: {
            auto* target =
                reinterpret_cast<DropTarget*>(SetWindowLongPtrW(window, GWLP_USERDATA, 0));
            // A window that failed during creation is still owned by Create.
            if (target != nullptr && target->child_ == window) {
                delete target;
            }
            break;
        }
        default:
            break;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace tavrin::platform
