#include "icons/language_choice.h"

#include <algorithm>
#include <vector>

namespace tavrin::icons {

std::optional<std::size_t> ChooseLanguage(std::span<const std::uint16_t> languages,
                                          std::optional<std::uint16_t> userLanguage,
                                          std::optional<std::uint16_t> wanted) {
    if (languages.empty()) {
        return std::nullopt;
    }
    constexpr std::uint16_t kNeutral = 0x0000;
    constexpr std::uint16_t kEnglishUnitedStates = 0x0409;
    constexpr std::uint16_t kPrimaryLanguageMask = 0x03FF;  // SUBLANG_NEUTRAL is 0

    std::vector<std::uint16_t> preferences;
    if (wanted) {
        preferences.push_back(*wanted);
    }
    preferences.push_back(kNeutral);
    if (userLanguage) {
        preferences.push_back(*userLanguage);
        preferences.push_back(*userLanguage & kPrimaryLanguageMask);
    }
    preferences.push_back(kEnglishUnitedStates);

    for (std::uint16_t preferred : preferences) {
        const auto found = std::find(languages.begin(), languages.end(), preferred);
        if (found != languages.end()) {
            return static_cast<std::size_t>(found - languages.begin());
        }
    }
    return 0;
}

}  // namespace tavrin::icons
