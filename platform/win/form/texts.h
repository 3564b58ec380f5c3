#pragma once
// Texts that the runtime hands to a program: ANSI texts (exact bytes), each a
// new text owned by the caller. Lack of memory for one ends the process with
// the runtime's error box; no operation returns a missing text.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tavrin::platform {

// The integer in decimal digits: 1 gives "1", 100 gives "100".
std::string DecimalText(int value);

// The given texts one after another; a null text counts as empty.
std::string JoinTexts(std::initializer_list<const char*> parts);

// A copy of `text`; a null text gives the empty text.
std::string CopyText(const char* text);
std::string CopyText(std::string_view text);

// A text of `length` zero bytes, for a platform call to fill.
std::string BlankText(std::size_t length);

// Captions are UTF-8 in the program's source and shown through the W
// functions, so they read the same under every code page.
std::wstring WideFromUtf8(std::string_view utf8);

}  // namespace tavrin::platform
