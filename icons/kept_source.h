#pragma once
// The source an ExtractPress keeps between the calls of one press. Used by
// ExtractIconGroup only; one UI thread, so no locking.

#include <cstdint>
#include <optional>
#include <string>

#include "icons/icon_source.h"

namespace tavrin::icons {

// The kept source when a press runs, it was opened from `path` with
// `userLanguage`, and `path` still names the same unchanged file. Anything
// else kept is closed first, so a replaced file is never held on to.
const IconSource* KeptSourceFor(const std::string& path, std::optional<std::uint16_t> userLanguage);

// Keeps `source` for the next call when a press runs and the source's file
// can be recognised again; otherwise it is closed here.
void OfferToPress(const std::string& path, std::optional<std::uint16_t> userLanguage,
                  IconSource source);

}  // namespace tavrin::icons
