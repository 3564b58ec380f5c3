#pragma once
#include <windows.h>

#include <functional>

namespace tavrin::platform {

class DropTargetObject;

struct DropTargetSettings {
    bool acceptText = false;
    bool acceptHtml = false;
    bool acceptUrl = false;
    bool acceptFiles = false;
};

// The drop-target component of a form. It owns a hidden child window of its containing
// window and one OLE drop target. Created by the form when it loads; destroys itself after
// its child window's last message (WM_NCDESTROY), revoking the containing window's
// registration first (RevokeDragDrop, result ignored).
class DropTarget {
  public:
    // nullptr if the child window cannot be made.
    static DropTarget* Create(HWND container, DropTargetSettings settings);

    // Records first (never cleared, null records nothing), then RegisterDragDrop; true iff
    // S_OK. A second call returns false, also after a failed first one.
    bool RegisterDropWindow(HWND window);

    // Events, raised synchronously from Drop; the text is ANSI and valid only during the call.
    std::function<void(const char*)> TextReceived, HtmlReceived, UrlReceived, FileReceived;

    IDropTarget* ComObject();  // the component's drop target, for tests
    HWND ChildWindow() const;
    HWND ContainerWindow() const { return container_; }
    HWND RegisteredWindow() const { return registeredWindow_; }

    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;

  private:
    DropTarget(HWND container, DropTargetSettings settings);
    ~DropTarget();  // only the child window's last message ends a component

    static LRESULT CALLBACK ChildWindowProc(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam);

    HWND container_;
    HWND child_ = nullptr;
    HWND registeredWindow_ = nullptr;
    DropTargetObject* object_;
};

}  // namespace tavrin::platform
