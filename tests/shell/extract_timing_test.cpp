// One press of Extract on a large real module, timed from the click until
// the window handles input again. Reported, never asserted: the figure
// depends on the machine.

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "icons/extract_icon_group.h"
#include "icons/icon_source.h"
#include "tests/shell/tavrin_session.h"

namespace tavrin::test {
namespace {

constexpr char kLargeModule[] = "Z:\\usr\\lib\\i386-linux-gnu\\wine\\i386-windows\\shell32.dll";

TEST(TavrinExtractTiming, OnePressOnWinesShell32) {
    if (!std::filesystem::exists(kLargeModule)) {
        GTEST_SKIP() << kLargeModule << " is not installed";
    }
    TavrinSession tavrin;
    ASSERT_TRUE(tavrin.Ready());
    const std::string source = CopyInto(kLargeModule, tavrin.StartFolder(), "shell32.dll");
    const int groups = static_cast<int>(icons::IconSource::Open(source, std::nullopt).GroupCount());
    ASSERT_TRUE(tavrin.Drop({source}));

    std::vector<double> milliseconds;
    for (int press = 0; press < 3; ++press) {
        const auto start = std::chrono::steady_clock::now();
        ASSERT_TRUE(tavrin.ClickAndWait(k按钮1Place));
        milliseconds.push_back(
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count());
    }
    EXPECT_EQ(tavrin.IcoFilesBesideProgram(), EngineOutputFor(source));

    std::sort(milliseconds.begin(), milliseconds.end());
    std::printf(
        "Extract press on shell32.dll (%d icon groups, %zu files written): "
        "%.0f ms median of 3 (%.0f to %.0f)\n",
        groups, tavrin.IcoFilesBesideProgram().size(), milliseconds[1], milliseconds[0],
        milliseconds[2]);
    RecordProperty("extract_press_ms", static_cast<int>(milliseconds[1]));
}

}  // namespace
}  // namespace tavrin::test
