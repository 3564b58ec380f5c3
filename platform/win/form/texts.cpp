#include "platform/win/form/texts.h"

#include <windows.h>

#include <charconv>
#include <cstring>
#include <new>
#include <stdexcept>

#include "platform/win/form/fatal_error.h"

namespace tavrin::platform {
namespace {

template <typename Make>
auto OrEnd(Make make) noexcept -> decltype(make()) {
    try {
        return make();
    } catch (const std::bad_alloc&) {
        EndWithError(FatalError::kOutOfMemory);
    } catch (const std::length_error&) {
        EndWithError(FatalError::kOutOfMemory);
    }
}

}  // namespace

std::string DecimalText(int value) {
    char digits[16];
    const auto result = std::to_chars(digits, digits + sizeof digits, value);
    return CopyText(std::string_view(digits, static_cast<std::size_t>(result.ptr - digits)));
}

std::string JoinTexts(std::initializer_list<const char*> parts) {
    return OrEnd([parts] {
        std::size_t length = 0;
        for (const char* part : parts) {
            length += part != nullptr ? std::strlen(part) : 0;
        }
        std::string joined;
        joined.reserve(length);
        for (const char* part : parts) {
            if (part != nullptr) {
                joined += part;
            }
        }
        return joined;
    });
}

std::string CopyText(const char* text) {
    return CopyText(text != nullptr ? std::string_view(text) : std::string_view());
}

std::string CopyText(std::string_view text) {
    return OrEnd([text] { return std::string(text); });
}

std::string BlankText(std::size_t length) {
    return OrEnd([length] { return std::string(length, '\0'); });
}

std::wstring WideFromUtf8(std::string_view utf8) {
    return OrEnd([utf8] {
        std::wstring wide;
        if (utf8.empty()) {
            return wide;
        }
        const int size = static_cast<int>(utf8.size());
        const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
        if (length <= 0) {
            return wide;
        }
        wide.resize(static_cast<std::size_t>(length));
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, wide.data(), length);
        return wide;
    });
}

}  // namespace tavrin::platform
