#include "platform/win/drop/global_text.h"

#include <algorithm>

#include "platform/win/drop/storage_medium.h"

namespace tavrin::platform {

std::optional<std::string> TextOfGlobal(HGLOBAL memory) {
    const GlobalLockGuard lock(memory);
    if (lock.Data() == nullptr) {
        return std::nullopt;
    }
    const auto* begin = reinterpret_cast<const char*>(lock.Data());
    const auto* end = begin + lock.Size();
    return std::string(begin, std::find(begin, end, '\0'));
}

}  // namespace tavrin::platform
