#pragma once
// NE modules the module tests share.

#include <string>
#include <vector>

#include "tests/support/ne_builder.h"

namespace tavrin::test {

struct SampleModule {
    NeFile file;
    std::vector<std::vector<ByteVector>> groups;  // each group's images, in stored order
};

// Groups 7, "APPLE" and 2, in that order, then their images as RT_ICON 1 to
// 4: a 4-bit 32×32, a 1-bit 16×16, a 256-pixel PNG and a 32-bit 48×48.
// Group 7 lists icons 1 and 2, "APPLE" icon 3, group 2 icons 4 and 1.
SampleModule ThreeGroupModule();

// `count` numbered groups 1 … count, each of one 8-bit image of its own.
SampleModule ManyGroupModule(std::uint16_t count);

// A module whose only resources are images: it holds no icon group.
NeFile ModuleWithoutGroups();

}  // namespace tavrin::test
