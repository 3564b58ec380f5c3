#pragma once
// The user's language, which picks among the language versions of a
// resource, as Windows' own resource lookup does.

#include <cstdint>
#include <optional>

namespace tavrin::platform {

// The user's Windows language identifier (LANGID), where the platform has one.
std::optional<std::uint16_t> UserLanguage();

}  // namespace tavrin::platform
