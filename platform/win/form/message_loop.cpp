#include "platform/win/form/message_loop.h"

#include <windows.h>

#include "platform/win/form/form_keys.h"

namespace tavrin::platform {

void RunMessageLoop() {
    // The last form window to go posts the quit message.
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (HandleFormKey(message)) {
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace tavrin::platform
