#pragma once

#include <gtest/gtest.h>

#include "platform/win/skin/skin.h"
#include "platform/win/skin/skin_probe.h"
#include "tests/platform/skin/test_window.h"

namespace tavrin::skin_test {

// Every test starts and ends with the skin off and the cursor out of the way.
class SkinTest : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::SetSkinStyle(0);
        ParkCursor();
    }
    void TearDown() override {
        platform::SetSkinStyle(0);
        PumpMessages();
        EXPECT_EQ(platform::skin::SkinnedWindowTotal(), 0u);
    }
};

}  // namespace tavrin::skin_test
