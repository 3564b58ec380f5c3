#include "tests/modules/sample_modules.h"
#include "tests/support/group_directory.h"
#include "tests/support/image_builder.h"

namespace tavrin::test {
namespace {

std::vector<GroupEntry> EntriesFor(const std::vector<ByteVector>& icons,
                                   const std::vector<std::uint16_t>& ids) {
    std::vector<GroupEntry> entries;
    for (std::uint16_t id : ids) {
        entries.push_back({id, static_cast<std::uint32_t>(icons[id - 1].size())});
    }
    return entries;
}

}  // namespace

SampleModule ThreeGroupModule() {
    const std::vector<ByteVector> icons = {
        DibImage(32, 32, 4, 0x11),
        DibImage(16, 16, 1, 0x22),
        PngImage(256, 256, 8, 6),
        DibImage(48, 48, 32, 0x44),
    };
    NeBuilder builder;
    builder.Add(kNeGroupIcon, std::uint16_t{7}, SizedGroupDirectory(EntriesFor(icons, {1, 2})))
        .Add(kNeGroupIcon, std::string("APPLE"), SizedGroupDirectory(EntriesFor(icons, {3})))
        .Add(kNeGroupIcon, std::uint16_t{2}, SizedGroupDirectory(EntriesFor(icons, {4, 1})));
    for (std::uint16_t id = 1; id <= icons.size(); ++id) {
        builder.Add(kNeIcon, id, icons[id - 1]);
    }
    return {builder.Build(), {{icons[0], icons[1]}, {icons[2]}, {icons[3], icons[0]}}};
}

SampleModule ManyGroupModule(std::uint16_t count) {
    SampleModule module;
    NeBuilder builder;
    for (std::uint16_t group = 1; group <= count; ++group) {
        const auto icon = static_cast<std::uint16_t>(1000 + group);
        module.groups.push_back({DibImage(16, 16, 8, static_cast<std::uint8_t>(group))});
        const std::uint32_t size = static_cast<std::uint32_t>(module.groups.back()[0].size());
        builder.Add(kNeGroupIcon, group, SizedGroupDirectory({{icon, size}}));
    }
    for (std::uint16_t group = 1; group <= count; ++group) {
        builder.Add(kNeIcon, static_cast<std::uint16_t>(1000 + group), module.groups[group - 1][0]);
    }
    module.file = builder.Build();
    return module;
}

NeFile ModuleWithoutGroups() {
    return NeBuilder().Add(kNeIcon, std::uint16_t{1}, DibImage(16, 16, 4, 0x99)).Build();
}

}  // namespace tavrin::test
