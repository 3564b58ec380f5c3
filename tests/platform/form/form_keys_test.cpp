#include "platform/win/form/form_keys.h"

#include <gtest/gtest.h>

namespace tavrin::platform {
namespace {

TEST(ActionForKey, FollowsTheKeyboardRules) {
    constexpr HeldKeys none{};
    constexpr HeldKeys ctrl{.ctrl = true};
    constexpr HeldKeys shift{.shift = true};
    constexpr HeldKeys alt{.alt = true};
    const struct {
        UINT key;
        HeldKeys held;
        KeyAction action;
    } cases[] = {
        {VK_ESCAPE, none, KeyAction::kClose},   {VK_ESCAPE, shift, KeyAction::kSwallow},
        {VK_ESCAPE, ctrl, KeyAction::kSwallow}, {VK_ESCAPE, alt, KeyAction::kSwallow},
        {VK_TAB, none, KeyAction::kFocusNext},  {VK_TAB, shift, KeyAction::kFocusPrevious},
        {VK_TAB, ctrl, KeyAction::kPassOn},     {VK_TAB, alt, KeyAction::kPassOn},
        {VK_RETURN, none, KeyAction::kSwallow}, {VK_F1, none, KeyAction::kSwallow},
        {VK_SPACE, none, KeyAction::kPassOn},   {'C', ctrl, KeyAction::kPassOn},
        {VK_LEFT, none, KeyAction::kPassOn},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ActionForKey(c.key, c.held), c.action)
            << "key " << c.key << " ctrl " << c.held.ctrl << " shift " << c.held.shift << " alt "
            << c.held.alt;
    }
}

}  // namespace
}  // namespace tavrin::platform
