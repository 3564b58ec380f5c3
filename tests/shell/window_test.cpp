// The main window as it appears after start-up.

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <type_traits>

#include "icons/extract_icon_group.h"
#include "icons/icon_source.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/tavrin_session.h"

namespace tavrin::test {
namespace {

TEST(TavrinWindow, Is380By181AndCentredOnTheScreen) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    RECT bounds{};
    GetWindowRect(tavrin.Window(), &bounds);
    EXPECT_EQ(bounds.right - bounds.left, 380);
    EXPECT_EQ(bounds.bottom - bounds.top, 181);
    EXPECT_EQ(bounds.left, (GetSystemMetrics(SM_CXSCREEN) - 380) / 2);
    EXPECT_EQ(bounds.top, (GetSystemMetrics(SM_CYSCREEN) - 181) / 2);
}

TEST(TavrinWindow, HasItsCaptionAndFixedFrame) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const HWND window = tavrin.Window();
    EXPECT_EQ(WideTextOf(window), L"Tavrin");
    const LONG style = GetWindowLongW(window, GWL_STYLE);
    EXPECT_EQ(style & WS_CAPTION, WS_CAPTION);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_CHILD), 0);
    const LONG extended = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_NE(extended & WS_EX_APPWINDOW, 0);
    EXPECT_EQ(extended & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW), 0);
    EXPECT_EQ(GetWindow(window, GW_OWNER), nullptr);  // so it has a taskbar button
}

TEST(TavrinWindow, ShowsEachControlAtItsPlaceWithItsTextAndState) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const struct {
        const char* name;
        RECT place;
        const wchar_t* className;
        const wchar_t* text;
        bool enabled;
        bool tabStop;
    } cases[] = {
        {"标签2", k标签2Place, L"Static", L"1.将文件拖入\r\n2.点击提取\r\n3.删除提取的图标", true,
         false},
        {"标签1", k标签1Place, L"Static", L"注意：提取文件的扩展名必须为exe、dll、ico或icl", true,
         false},
        {"按钮2", k按钮2Place, L"Button", L"删除", true, true},
        {"按钮1", k按钮1Place, L"Button", L"提取", false, true},
        {"编辑框1", k编辑框1Place, L"Edit", L"", true, true},
    };
    for (const auto& c : cases) {
        const HWND control = tavrin.Control(c.place);
        ASSERT_NE(control, nullptr) << c.name << " is not at its place";
        wchar_t className[32] = L"";
        GetClassNameW(control, className, 32);
        EXPECT_STREQ(className, c.className) << c.name;
        EXPECT_EQ(WideTextOf(control), c.text) << c.name;
        EXPECT_EQ(IsWindowEnabled(control) != 0, c.enabled) << c.name;
        EXPECT_TRUE(IsWindowVisible(control)) << c.name;
        EXPECT_EQ((GetWindowLongW(control, GWL_STYLE) & WS_TABSTOP) != 0, c.tabStop) << c.name;
    }
    int visibleChildren = 0;
    for (const ChildInfo& child : ChildrenOf(tavrin.Window())) {
        visibleChildren += IsWindowVisible(child.window) ? 1 : 0;
    }
    EXPECT_EQ(visibleChildren, 5);  // the drop target shows nothing
}

TEST(TavrinWindow, PathBoxIsAReadOnlySingleLineWithSunkenBorder) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const HWND box = tavrin.Control(k编辑框1Place);
    ASSERT_NE(box, nullptr);
    const LONG style = GetWindowLongW(box, GWL_STYLE);
    EXPECT_NE(style & ES_READONLY, 0);
    EXPECT_NE(style & ES_AUTOHSCROLL, 0);
    EXPECT_EQ(style & (ES_MULTILINE | ES_NOHIDESEL | ES_CENTER | ES_RIGHT), 0);
    EXPECT_NE(GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_CLIENTEDGE, 0);
    for (const RECT& place : {k按钮1Place, k按钮2Place}) {
        const LONG button = GetWindowLongW(tavrin.Control(place), GWL_STYLE);
        EXPECT_EQ(button & BS_TYPEMASK, BS_PUSHBUTTON);  // neither is a default button
    }
}

TEST(TavrinWindow, StartsWithTheFocusInThePathBox) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    EXPECT_EQ(FocusOf(tavrin.Window()), tavrin.Control(k编辑框1Place));
}

TEST(TavrinProgramFile, CarriesItsIconManifestAndVersion) {
    TavrinSession tavrin;  // its copy of the program file
    const std::string exe = tavrin.ProgramFolder().File("tavrin.exe");
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, decltype(&FreeLibrary)> loaded(
        LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE), &FreeLibrary);
    const HMODULE module = loaded.get();
    ASSERT_NE(module, nullptr);
    EXPECT_NE(FindResourceW(module, L"DEFAULT_ICON", MAKEINTRESOURCEW(14)), nullptr);  // group icon
    const HRSRC manifestInfo = FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));
    ASSERT_NE(manifestInfo, nullptr);
    const auto* manifest =
        static_cast<const char*>(LockResource(LoadResource(module, manifestInfo)));
    const std::string text(manifest, SizeofResource(module, manifestInfo));
    EXPECT_NE(text.find("<activeCodePage"), std::string::npos);
    EXPECT_NE(text.find(">UTF-8</activeCodePage>"), std::string::npos);
    EXPECT_NE(FindResourceW(module, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(16)),
              nullptr);  // version

    DWORD ignored = 0;
    std::string version(GetFileVersionInfoSizeA(exe.c_str(), &ignored), '\0');
    ASSERT_FALSE(version.empty());
    ASSERT_TRUE(
        GetFileVersionInfoA(exe.c_str(), 0, static_cast<DWORD>(version.size()), version.data()));
    char* product = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueA(version.data(), "\\StringFileInfo\\040904B0\\ProductName",
                               reinterpret_cast<void**>(&product), &length));
    EXPECT_STREQ(product, "Tavrin");

    // The icon is one group of several sizes, as the engine reads it.
    EXPECT_EQ(icons::IconSource::Open(exe, std::nullopt).GroupCount(), 1u);
    const TempDir out;
    ASSERT_EQ(icons::ExtractIconGroup(exe.c_str(), 0, out.File("1.ico").c_str(), 1), 1);
    const auto icon = ReadFileBytes(out.File("1.ico"));
    ASSERT_TRUE(icon.has_value());
    ASSERT_GE(icon->size(), 6u);
    EXPECT_GE((*icon)[4] | ((*icon)[5] << 8), 4);  // images in the group
}

}  // namespace
}  // namespace tavrin::test
