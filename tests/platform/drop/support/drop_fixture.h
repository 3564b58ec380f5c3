#pragma once
#include <ole2.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "platform/win/drop/drop_target.h"
#include "tests/platform/drop/support/test_data_object.h"
#include "tests/platform/drop/support/test_window.h"

namespace tavrin::test {

inline constexpr DWORD kAllEffects = DROPEFFECT_COPY | DROPEFFECT_MOVE | DROPEFFECT_LINK;

// A component in a hidden window, its events recorded as (event, text).
class DropFixture : public ::testing::Test {
  protected:
    using Event = std::pair<std::string, std::string>;

    void MakeTarget(platform::DropTargetSettings settings) {
        target_ = platform::DropTarget::Create(window_.Get(), settings);
        ASSERT_NE(target_, nullptr);
        Record(target_->TextReceived, "text");
        Record(target_->HtmlReceived, "html");
        Record(target_->UrlReceived, "url");
        Record(target_->FileReceived, "files");
    }

    DWORD DragEnter(IDataObject* data, DWORD keys, DWORD allowed = kAllEffects) {
        DWORD effect = allowed;
        EXPECT_EQ(target_->ComObject()->DragEnter(data, keys, POINTL{10, 10}, &effect), S_OK);
        return effect;
    }
    DWORD DragOver(DWORD keys, DWORD allowed = kAllEffects) {
        DWORD effect = allowed;
        EXPECT_EQ(target_->ComObject()->DragOver(keys, POINTL{11, 11}, &effect), S_OK);
        return effect;
    }
    // The effect Drop leaves; Drop itself must answer E_FAIL.
    DWORD Drop(IDataObject* data, DWORD keys, DWORD allowed = kAllEffects) {
        DWORD effect = allowed;
        EXPECT_EQ(target_->ComObject()->Drop(data, keys, POINTL{12, 12}, &effect), E_FAIL);
        return effect;
    }

    TestWindow window_;
    platform::DropTarget* target_ = nullptr;  // ends with the window
    std::vector<Event> events_;

  private:
    void Record(std::function<void(const char*)>& event, std::string name) {
        event = [this, name](const char* text) { events_.emplace_back(name, text); };
    }
};

}  // namespace tavrin::test
