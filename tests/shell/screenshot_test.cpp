// What the window shows after a drop, saved as a picture and checked by
// pixel: red instructions, blue note, each on one line, on button face.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "tests/shell/support/remote_window.h"
#include "tests/shell/tavrin_session.h"
#include "tests/support/screen_image.h"

namespace tavrin::test {
namespace {

struct Ink {
    int count = 0;
    int top = 1 << 30;  // rows in client coordinates
    int bottom = -1;
};

// The pixels of a label's area whose colour leans clearly towards `colour`
// (anti-aliased text rarely hits the exact value).
Ink InkIn(const ScreenImage& image, POINT clientOrigin, const RECT& place, bool red) {
    Ink ink;
    for (int y = std::max<LONG>(place.top, 0); y < place.bottom; ++y) {
        for (int x = std::max<LONG>(place.left, 0); x < place.right; ++x) {
            const std::uint32_t pixel = image.At(clientOrigin.x + x, clientOrigin.y + y);
            const int main = red ? Red(pixel) : Blue(pixel);
            const int others =
                red ? std::max(Green(pixel), Blue(pixel)) : std::max(Red(pixel), Green(pixel));
            if (main >= 160 && others <= 110 && main - others >= 100) {
                ++ink.count;
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

TEST(TavrinScreenshot, ShowsRedAndBlueSingleLineLabelsOnButtonFace) {
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    ASSERT_TRUE(tavrin.Drop({CopyFixture("sample.dll", tavrin.StartFolder(), "sample.dll")}));
    ASSERT_TRUE(Responds(tavrin.Window()));
    RedrawWindow(tavrin.Window(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    ASSERT_TRUE(Responds(tavrin.Window()));

    RECT bounds{};
    GetWindowRect(tavrin.Window(), &bounds);
    const ScreenImage image = CaptureScreen(bounds);
    ASSERT_EQ(image.width, 380);
    ASSERT_EQ(image.height, 181);
    std::filesystem::create_directories(TAVRIN_SCREENSHOT_DIR);
    const std::string file = std::string(TAVRIN_SCREENSHOT_DIR) + "/tavrin.png";
    EXPECT_TRUE(WritePng(image, file));
    std::printf("screenshot: %s\n", file.c_str());

    const POINT client = ClientToScreenPoint(tavrin.Window(), {0, 0});
    const POINT origin{client.x - bounds.left, client.y - bounds.top};

    // Button face where no control lies: right of the labels, left of the
    // buttons.
    const std::uint32_t face = FromColorRef(GetSysColor(COLOR_BTNFACE));
    for (const POINT p : {POINT{350, 10}, POINT{360, 50}, POINT{20, 110}, POINT{120, 140}}) {
        EXPECT_EQ(image.At(origin.x + p.x, origin.y + p.y), face) << p.x << "," << p.y;
    }

    // The instructions: red, and one line centred in 40 pixels, so the
    // CR LF pairs broke nothing.
    const Ink red = InkIn(image, origin, k标签2Place, true);
    EXPECT_GE(red.count, 30);
    EXPECT_LE(red.bottom - red.top, 16);
    EXPECT_LE(std::abs((red.top + red.bottom) / 2 - 20), 4);
    EXPECT_EQ(InkIn(image, origin, k标签2Place, false).count, 0);

    // The note: blue, one line centred in its 24 pixels.
    const Ink blue = InkIn(image, origin, k标签1Place, false);
    EXPECT_GE(blue.count, 30);
    EXPECT_LE(blue.bottom - blue.top, 16);
    EXPECT_LE(std::abs((blue.top + blue.bottom) / 2 - 52), 4);
    EXPECT_EQ(InkIn(image, origin, k标签1Place, true).count, 0);
}

}  // namespace
}  // namespace tavrin::test
