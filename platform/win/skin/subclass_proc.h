#pragma once

#include <windows.h>

namespace tavrin::platform::skin {

inline constexpr UINT_PTR kSkinSubclassId = 0x54767253;

// The subclass through which the skin paints a control it has taken over.
LRESULT CALLBACK SkinSubclassProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam,
                                  UINT_PTR id, DWORD_PTR data);

// A message every layer of the skin's subclass answers by adding one to
// what the layers beneath it answer, so it counts the layers on a window.
UINT SkinLayerCountMessage();

}  // namespace tavrin::platform::skin
