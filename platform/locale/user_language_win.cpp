#include "platform/locale/user_language.h"

#include <windows.h>

namespace tavrin::platform {

std::optional<std::uint16_t> UserLanguage() {
    const LANGID language = GetUserDefaultUILanguage();
    if (language == 0) {
        return std::nullopt;
    }
    return language;
}

}  // namespace tavrin::platform
