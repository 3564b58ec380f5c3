// Real OLE drags from another process (the drag-source program) onto a
// window of this one, on the display the tests run on.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "platform/win/drop/drop_target.h"
#include "tests/platform/drop/support/drag_source_process.h"
#include "tests/platform/drop/support/test_window.h"

namespace tavrin::test {
namespace {

using platform::DropTarget;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr RECT kTargetBounds{300, 200, 700, 500};
constexpr DWORD kRunLimitMs = 120000;  // generous: Wine starts slowly on a loaded machine

enum DragSourceExit : DWORD { kDropped = 0, kCancelled = 1, kUsageError = 2 };

// The effect the drag source reports, or -1 when it printed none.
long ReportedEffect(const std::string& output) {
    const auto at = output.find("effect ");
    long effect = -1;
    if (at != std::string::npos) {
        std::sscanf(output.c_str() + at, "effect %ld", &effect);
    }
    return effect;
}

class RealDragTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_NE(window_.Get(), nullptr);
        target_ = DropTarget::Create(window_.Get(), {.acceptFiles = true});
        ASSERT_NE(target_, nullptr);
        target_->FileReceived = [this](const char* text) { received_.emplace_back(text); };
        ASSERT_TRUE(target_->RegisterDropWindow(window_.Get()));
    }

    // Drags `files` onto the middle of the target window.
    DragSourceRun Drag(std::vector<std::string> arguments, const std::vector<std::string>& files) {
        arguments.push_back(std::to_string((kTargetBounds.left + kTargetBounds.right) / 2));
        arguments.push_back(std::to_string((kTargetBounds.top + kTargetBounds.bottom) / 2));
        arguments.insert(arguments.end(), files.begin(), files.end());
        return RunDragSource(TAVRIN_DRAG_SOURCE, arguments, kRunLimitMs);
    }

    TestWindow window_{kTargetBounds, true};
    DropTarget* target_ = nullptr;  // ends with the window
    std::vector<std::string> received_;
};

TEST_F(RealDragTest, OneFileArrivesAsItsBarePath) {
    const auto run = Drag({}, {"C:\\Program Files\\Some App\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitCode, kDropped) << run.output;
    EXPECT_EQ(ReportedEffect(run.output), DROPEFFECT_COPY) << run.output;
    EXPECT_THAT(received_, ElementsAre("C:\\Program Files\\Some App\\one.exe"));
}

TEST_F(RealDragTest, TwoFilesArriveEachEndedByCrLf) {
    const auto run = Drag({}, {"C:\\a\\first.dll", "D:\\second.ico"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitCode, kDropped) << run.output;
    EXPECT_THAT(received_, ElementsAre("C:\\a\\first.dll\r\nD:\\second.ico\r\n"));
}

TEST_F(RealDragTest, EmptyFileListArrivesAsEmptyText) {
    const auto run = Drag({}, {});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitCode, kDropped) << run.output;
    EXPECT_THAT(received_, ElementsAre(""));
}

TEST_F(RealDragTest, CtrlAndShiftHeldRefuseTheDrop) {
    const auto run = Drag({"--keys", "ctrlshift"}, {"C:\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitCode, kDropped) << run.output;  // dropped, and refused there
    EXPECT_EQ(ReportedEffect(run.output), DROPEFFECT_NONE) << run.output;
    EXPECT_THAT(received_, IsEmpty());
}

TEST_F(RealDragTest, ShiftHeldMovesWhenTheSourceAllowsIt) {
    const auto run = Drag({"--keys", "shift", "--effects", "copy,move"}, {"C:\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(ReportedEffect(run.output), DROPEFFECT_MOVE) << run.output;
    EXPECT_THAT(received_, ElementsAre("C:\\one.exe"));
}

TEST_F(RealDragTest, CtrlHeldWithoutCopyAllowedIsRefused) {
    const auto run = Drag({"--keys", "ctrl", "--effects", "move,link"}, {"C:\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitCode, kDropped) << run.output;  // dropped, and refused there
    EXPECT_EQ(ReportedEffect(run.output), DROPEFFECT_NONE) << run.output;
    EXPECT_THAT(received_, IsEmpty());
}

TEST_F(RealDragTest, LinkOnlySourceIsAcceptedWithoutKeys) {
    const auto run = Drag({"--effects", "link"}, {"C:\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(ReportedEffect(run.output), DROPEFFECT_LINK) << run.output;
    EXPECT_THAT(received_, ElementsAre("C:\\one.exe"));
}

TEST_F(RealDragTest, DropOverAChildControlReachesTheWindowsTarget) {
    const HWND label = CreateWindowExW(0, L"STATIC", L"label", WS_CHILD | WS_VISIBLE, 0, 0,
                                       kTargetBounds.right - kTargetBounds.left,
                                       kTargetBounds.bottom - kTargetBounds.top, window_.Get(),
                                       nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(label, nullptr);

    const auto run = Drag({}, {"C:\\one.exe"});

    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_THAT(received_, ElementsAre("C:\\one.exe"));
}

TEST(DragSourceUsageTest, MalformedArgumentsEndWithUsageError) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"10"},
        {"ten", "20", "C:\\a.exe"},
        {"10", "20x"},
        {"--keys", "alt", "10", "20"},
        {"--effects", "copy,paste", "10", "20"},
        {"--effects", "", "10", "20"},
        {"--colour", "red", "10", "20"},
        {"--keys"},
    };
    for (const auto& arguments : cases) {
        const auto run = RunDragSource(TAVRIN_DRAG_SOURCE, arguments, kRunLimitMs);
        ASSERT_TRUE(run.finished);
        EXPECT_EQ(run.exitCode, kUsageError) << ::testing::PrintToString(arguments);
    }
}

}  // namespace
}  // namespace tavrin::test
