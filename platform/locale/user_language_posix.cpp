#include "platform/locale/user_language.h"

namespace tavrin::platform {

// POSIX locales have no LANGID; the language rule then falls back to en-US.
std::optional<std::uint16_t> UserLanguage() {
    return std::nullopt;
}

}  // namespace tavrin::platform
