#pragma once
// The name of a module resource: a 16-bit number or a text, as the
// module's resource directory gives it.

#include <cstdint>
#include <string>
#include <variant>

namespace tavrin::icons {

using ResourceName = std::variant<std::uint16_t, std::u16string>;

// Numbers match exactly; texts match with ASCII letters compared without
// case, as Windows' resource lookup does.
bool SameResourceName(const ResourceName& a, const ResourceName& b);

// For messages: a number in decimal, a text with non-ASCII as '?'.
std::string DescribeResourceName(const ResourceName& name);

}  // namespace tavrin::icons
