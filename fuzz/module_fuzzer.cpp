// Any bytes as a module: every icon group is built and laid out as an ICO
// file exactly as an extraction would write it.

#include <cstdint>
#include <cstdlib>

#include "fuzz/ico_in_memory.h"
#include "icons/icon_group.h"
#include "icons/module.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tavrin::icons;
    const Module module = Module::FromBytes(Bytes(data, size));
    if (module.Resources() == nullptr) {
        return 0;
    }
    const ResourceTable& resources = *module.Resources();
    const std::size_t groups = resources.CountNames(kResourceTypeGroupIcon);
    for (std::size_t position = 0; position < groups; ++position) {
        resources.NameAt(kResourceTypeGroupIcon, position);
        const auto set = BuildIconGroupAt(resources, position);
        const auto file = set ? tavrin::fuzz::WriteIcoToMemory(*set) : std::nullopt;
        if (!file) {
            continue;
        }
        // What was written reads back as as many images.
        const auto back = ReadIcoBytes(*file).set;
        if (!back || back->images.size() != set->images.size()) {
            std::abort();
        }
    }
    return 0;
}
