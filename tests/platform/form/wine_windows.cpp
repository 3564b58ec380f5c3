// Without a window manager on the virtual display, Wine waits two seconds
// for each managed window to be withdrawn when it is destroyed. The test's
// windows are therefore left unmanaged: Wine draws their frames itself.
// Set before the first window, so Wine's display driver reads it as it
// starts. Nothing is changed when the tests run on Windows.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

bool UnderWine() {
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

class UnmanagedWindows : public ::testing::Environment {
  public:
    void SetUp() override {
        if (!UnderWine()) {
            return;
        }
        wchar_t self[MAX_PATH] = L"";
        GetModuleFileNameW(nullptr, self, MAX_PATH);
        const std::wstring path(self);
        const std::wstring key = L"Software\\Wine\\AppDefaults\\" +
                                 path.substr(path.find_last_of(L'\\') + 1) + L"\\X11 Driver";
        HKEY handle = nullptr;
        if (RegCreateKeyExW(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                            &handle, nullptr) == ERROR_SUCCESS) {
            RegSetValueExW(handle, L"Managed", 0, REG_SZ, reinterpret_cast<const BYTE*>(L"N"),
                           2 * sizeof(wchar_t));
            RegCloseKey(handle);
        }
    }
};

[[maybe_unused]] const auto* const kUnmanagedWindows =
    ::testing::AddGlobalTestEnvironment(new UnmanagedWindows);

}  // namespace
