// Under Wine on a virtual display there is no window manager and no Chinese
// font by the names Windows uses. So that the window looks as on Windows
// (a frame and a caption, readable captions) Wine is told, for tavrin.exe
// only, to draw the frame itself, and where to find a CJK font. Nothing is
// changed when the tests run on Windows.

#include <windows.h>

#include <gtest/gtest.h>

namespace {

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

void SetText(const wchar_t* keyPath, const wchar_t* name, const wchar_t* value, bool keepExisting) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr,
                        &key, nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (!keepExisting ||
        RegQueryValueExW(key, name, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                       static_cast<DWORD>((wcslen(value) + 1) * sizeof(wchar_t)));
    }
    RegCloseKey(key);
}

class WineLook : public ::testing::Environment {
  public:
    void SetUp() override {
        if (!UnderWine()) {
            return;
        }
        SetText(L"Software\\Wine\\AppDefaults\\tavrin.exe\\X11 Driver", L"Managed", L"N", false);
        SetText(L"Software\\Wine\\Fonts\\Replacements", L"SimSun", L"WenQuanYi Micro Hei", true);
    }
};

[[maybe_unused]] const auto* const kWineLook = ::testing::AddGlobalTestEnvironment(new WineLook);

}  // namespace
