#include "platform/win/form/runtime.h"

#include <ole2.h>
#include <windows.h>

#include "platform/win/form/program_directory.h"
#include "platform/win/form/texts.h"

namespace tavrin::platform {

std::string CurrentDirectoryFor(const std::string& programDirectory) {
    // With the backslash, a bare drive such as "X:" means its root, where the
    // program file lies, not whatever directory that drive was last in.
    return JoinTexts({programDirectory.c_str(), "\\"});
}

Runtime::Runtime() {
    // A failure leaves drag and drop unavailable; the program runs on.
    oleReady_ = SUCCEEDED(OleInitialize(nullptr));
    const std::string directory = TakeProgramDirectory();
    if (!directory.empty()) {
        SetCurrentDirectoryA(CurrentDirectoryFor(directory).c_str());
    }
}

Runtime::~Runtime() {
    if (oleReady_) {
        OleUninitialize();
    }
}

}  // namespace tavrin::platform
