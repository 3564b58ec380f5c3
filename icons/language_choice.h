#pragma once
// Which language version of a resource to take when a name has several.

#include <cstdint>
#include <optional>
#include <span>

namespace tavrin::icons {

// The position in `languages` of the one to use: `wanted` when asked for and
// listed, else neutral, then the user's language, then its primary language
// with SUBLANG_NEUTRAL, then en-US, else the first listed. None for an empty
// list.
std::optional<std::size_t> ChooseLanguage(std::span<const std::uint16_t> languages,
                                          std::optional<std::uint16_t> userLanguage,
                                          std::optional<std::uint16_t> wanted = std::nullopt);

}  // namespace tavrin::icons
