#include "icons/language_choice.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavrin::icons {
namespace {

TEST(LanguageChoiceTest, PrefersNeutralThenUserThenPrimaryThenEnglishThenFirst) {
    const std::optional<std::uint16_t> german = 0x0407, none;
    const struct {
        std::vector<std::uint16_t> languages;
        std::optional<std::uint16_t> user;
        std::size_t chosen;
    } cases[] = {
        {{0x0407, 0x0000, 0x0409}, german, 1},  // neutral wins
        {{0x0409, 0x0407}, german, 1},          // the user's language
        {{0x0409, 0x0007}, german, 1},          // its primary language, SUBLANG_NEUTRAL
        {{0x0C07, 0x0409}, german, 1},          // then en-US
        {{0x040C, 0x0410}, german, 0},          // else the first listed
        {{0x0407, 0x0409}, none, 1},            // no user language known
        {{0x0410}, none, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChooseLanguage(c.languages, c.user), c.chosen);
    }
    EXPECT_EQ(ChooseLanguage({}, german), std::nullopt);
}

}  // namespace
}  // namespace tavrin::icons
