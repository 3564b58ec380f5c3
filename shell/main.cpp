// tavrin.exe: takes the icon groups out of a dropped file.

#include <windows.h>

#include "platform/win/form/runtime.h"
#include "shell/program.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const tavrin::platform::Runtime runtime;
    return tavrin::shell::Start();
}
