// What the real program does that only shows in the real program: its skin,
// its path box's colours, paths the ANSI code page cannot spell, a drive's
// root as its folder, and presses of Extract that meet each other or a file
// held open.

#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>

#include "platform/win/skin/skin_probe.h"
#include "tests/shell/support/remote_window.h"
#include "tests/shell/tavrin_session.h"
#include "tests/support/screen_image.h"

namespace tavrin::test {
namespace {

namespace fs = std::filesystem;

TEST(TavrinSkin, TakesOverTheButtonsAndThePathBoxOnly) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const struct {
        const char* name;
        HWND window;
        int layers;
    } cases[] = {
        {"按钮1", tavrin.Control(k按钮1Place), 1},     {"按钮2", tavrin.Control(k按钮2Place), 1},
        {"编辑框1", tavrin.Control(k编辑框1Place), 1}, {"标签1", tavrin.Control(k标签1Place), 0},
        {"标签2", tavrin.Control(k标签2Place), 0},     {"the window", tavrin.Window(), 0},
    };
    for (const auto& c : cases) {
        ASSERT_NE(c.window, nullptr) << c.name;
        EXPECT_EQ(platform::skin::SkinLayerCount(c.window), c.layers) << c.name;
    }
}

TEST(TavrinPathBox, ShowsBlackTextOnWhite) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_TRUE(tavrin.Drop({CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll")}));
    // Inside the border, which the skin draws in its own colours.
    RECT box{};
    GetClientRect(tavrin.Control(k编辑框1Place), &box);
    MapWindowPoints(tavrin.Control(k编辑框1Place), nullptr, reinterpret_cast<POINT*>(&box), 2);
    InflateRect(&box, -1, -1);
    const ScreenImage image = CaptureScreen(box);
    ASSERT_FALSE(image.pixels.empty());
    std::map<std::uint32_t, std::size_t> counts;
    for (std::uint32_t pixel : image.pixels) {
        ++counts[pixel];
    }
    std::uint32_t commonest = 0;
    for (const auto& [pixel, count] : counts) {
        if (count > counts[commonest]) {
            commonest = pixel;
        }
    }
    EXPECT_EQ(commonest, 0xFFFFFFu) << "the background, not the grey of a read-only box";
    EXPECT_GT(counts[0x000000u], 0u) << "black text";
}

TEST(TavrinExtract, TakesAPathTheAnsiCodePageCannotSpell) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const fs::path folder = tavrin.StartFolder().Path() / L"图标😀";
    fs::create_directory(folder);
    const fs::path source = folder / L"样本😀.dll";
    fs::copy_file(FixturePath("sample.dll"), source);
    ASSERT_TRUE(tavrin.DropWide({source.wstring()}));
    EXPECT_EQ(WideTextOf(tavrin.Control(k编辑框1Place)), source.wstring());
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    const IcoFiles written = tavrin.IcoFilesBesideProgram();
    EXPECT_EQ(written.size(), 3u);
    EXPECT_EQ(written, EngineOutputFor(FixturePath("sample.dll")));
}

TEST(TavrinExtract, WorksFromADrivesRoot) {
    // Its folder is then "C:", and its files "C:\1.ico" ...
    const fs::path root = "C:\\";
    ASSERT_TRUE(IcoFilesIn(root.string()).empty()) << "C:\\ already holds .ico files";
    {
        TavrinSession tavrin(root / "tavrin-root.exe");
        ASSERT_TRUE(tavrin.Ready());
        const std::string source = CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll");
        ASSERT_TRUE(tavrin.Drop({source}));
        ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
        EXPECT_EQ(IcoFilesIn(root.string()), EngineOutputFor(source));
        ASSERT_TRUE(tavrin.ClickAndWait(k按钮2Place));
        EXPECT_TRUE(IcoFilesIn(root.string()).empty());
    }
    EXPECT_FALSE(fs::exists(root / "tavrin-root.exe"));
}

TEST(TavrinExtract, PressedTwiceWritesTheSameFilesAndLetsGoOfTheSource) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyFixture("groups32.dll", tavrin.StartFolder(), "groups.dll");
    ASSERT_TRUE(tavrin.Drop({source}));
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    const IcoFiles first = tavrin.IcoFilesBesideProgram();
    ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
    EXPECT_EQ(tavrin.IcoFilesBesideProgram(), first);
    EXPECT_EQ(first, EngineOutputFor(source));
    // The press let go of the source: it can be opened for writing, alone.
    const HANDLE file = CreateFileA(source.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                    OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    EXPECT_NE(file, INVALID_HANDLE_VALUE);
    CloseHandle(file);
}

TEST(TavrinExtract, AFileHeldOpenElsewhereFailsAloneAndNothingElseIsTouched) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll");
    const std::string held = tavrin.ProgramFolder().File("2.ico");
    const ByteVector before{0, 0, 1, 0, 0, 0};
    WriteFileBytes(held, before);
    const auto entriesBefore = std::distance(fs::directory_iterator(tavrin.ProgramFolder().Path()),
                                             fs::directory_iterator());
    {
        // Held as another program would hold it: nobody else may open it.
        const HANDLE file = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE);
        const bool pressed = tavrin.Drop({source}) && tavrin.ClickAndWait(k按钮1Place);
        CloseHandle(file);
        ASSERT_TRUE(pressed);
    }
    IcoFiles expected = EngineOutputFor(source);
    expected["2.ico"] = before;
    EXPECT_EQ(tavrin.IcoFilesBesideProgram(), expected);
    // 1.ico and 3.ico are new; nothing else appeared.
    EXPECT_EQ(std::distance(fs::directory_iterator(tavrin.ProgramFolder().Path()),
                            fs::directory_iterator()),
              entriesBefore + 2);
}

}  // namespace
}  // namespace tavrin::test
