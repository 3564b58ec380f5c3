#include "platform/win/form/fatal_error.h"

#include <windows.h>

namespace tavrin::platform {

void EndWithError(FatalError error) noexcept {
    // Wide literals: showing the box needs no conversion and no allocation of
    // ours, and it reads correctly whatever the code page.
    const wchar_t* message = error == FatalError::kOutOfMemory ? L"内存不足，程序必须退出。"
                                                               : L"无法创建窗口，程序必须退出。";
    MessageBoxW(nullptr, message, L"错误", MB_OK | MB_ICONERROR | MB_TASKMODAL | MB_SETFOREGROUND);
    ExitProcess(static_cast<UINT>(-1));
}

}  // namespace tavrin::platform
