// Any bytes as an icon file, written and read again: the copy must hold the
// same images in the same order, and writing the copy must change nothing.

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "fuzz/ico_in_memory.h"

namespace {

using namespace tavrin::icons;

// The writer zeroes biSizeImage (bytes 20 to 23) of a DIB and nothing else,
// so everything the reader derives from an image is kept.
bool SameImage(const IconImage& original, const IconImage& copy) {
    const Bytes a = original.bytes();
    const Bytes b = copy.bytes();
    if (a.size() != b.size() || original.isPng != copy.isPng || original.width != copy.width ||
        original.height != copy.height || original.bitsPerPixel != copy.bitsPerPixel ||
        original.planes != copy.planes || original.bitCount != copy.bitCount) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        const bool zeroed = !original.isPng && i >= 20 && i < 24;
        if (b[i] != (zeroed ? 0 : a[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto original = ReadIcoBytes(Bytes(data, size)).set;
    const auto file = original ? tavrin::fuzz::WriteIcoToMemory(*original) : std::nullopt;
    if (!file) {
        return 0;
    }
    const auto copy = ReadIcoBytes(*file).set;
    if (!copy || !std::equal(original->images.begin(), original->images.end(), copy->images.begin(),
                             copy->images.end(), SameImage)) {
        std::abort();
    }
    if (tavrin::fuzz::WriteIcoToMemory(*copy) != file) {
        std::abort();
    }
    return 0;
}
