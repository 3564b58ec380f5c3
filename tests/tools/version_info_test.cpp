// The version information and manifest built into tavrin-extract.exe.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

namespace tavrin::test {
namespace {

std::wstring Wide(const std::string& ascii) {
    return std::wstring(ascii.begin(), ascii.end());
}

TEST(TavrinExtractVersion, IsTheProjectVersion) {
    const std::wstring exe = Wide(TAVRIN_EXTRACT_EXE);
    DWORD ignored = 0;
    std::string block(GetFileVersionInfoSizeW(exe.c_str(), &ignored), '\0');
    ASSERT_FALSE(block.empty());
    ASSERT_TRUE(
        GetFileVersionInfoW(exe.c_str(), 0, static_cast<DWORD>(block.size()), block.data()));

    wchar_t* text = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\ProductVersion",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), Wide(TAVRIN_VERSION));
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\StringFileInfo\\040904B0\\OriginalFilename",
                               reinterpret_cast<void**>(&text), &length));
    EXPECT_EQ(std::wstring(text), L"tavrin-extract.exe");

    VS_FIXEDFILEINFO* fixed = nullptr;
    ASSERT_TRUE(VerQueryValueW(block.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(HIWORD(fixed->dwProductVersionMS), TAVRIN_VERSION_MAJOR);
    EXPECT_EQ(LOWORD(fixed->dwProductVersionMS), TAVRIN_VERSION_MINOR);
    EXPECT_EQ(HIWORD(fixed->dwProductVersionLS), TAVRIN_VERSION_PATCH);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
}

struct ModuleFree {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
using OwnedModule = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree>;

// Windows refuses a program whose manifest names another architecture; Wine
// does not, so only this looks.
TEST(TavrinExtractManifest, NamesItsOwnArchitectureAndTheUtf8CodePage) {
    const OwnedModule module(LoadLibraryExA(
        TAVRIN_EXTRACT_EXE, nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(module);
    HRSRC found = FindResourceA(module.get(), MAKEINTRESOURCEA(1), MAKEINTRESOURCEA(24));
    ASSERT_NE(found, nullptr);
    const void* bytes = LockResource(LoadResource(module.get(), found));
    ASSERT_NE(bytes, nullptr);
    const std::string manifest(static_cast<const char*>(bytes),
                               SizeofResource(module.get(), found));
    const std::string architecture = sizeof(void*) == 8 ? "amd64" : "x86";
    EXPECT_NE(manifest.find("processorArchitecture=\"" + architecture + "\""), std::string::npos);
    EXPECT_NE(manifest.find(">UTF-8</activeCodePage>"), std::string::npos);
}

}  // namespace
}  // namespace tavrin::test
