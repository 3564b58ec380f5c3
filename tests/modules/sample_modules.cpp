#include "tests/modules/sample_modules.h"

namespace tavrin::tests {

SampleModule ThreeGroupModule() {
    const std::vector<TestImage> icons = {
        DibImage(32, 32, 1, 4, 40 + 64 + 512 + 128, 1),
        DibImage(16, 16, 1, 1, 40 + 8 + 64 + 64, 2),
        PngImage(256, 256, 8, 6, 32),
        DibImage(48, 48, 1, 32, 40 + 48 * 48 * 4 + 48 * 4, 3),
    };
    auto entry = [&](std::uint16_t id) {
        return GroupEntry{id, static_cast<std::uint32_t>(icons[id - 1].bytes.size())};
    };
    const std::vector<GroupEntry> seven = {entry(1), entry(2)};
    const std::vector<GroupEntry> apple = {entry(3)};
    const std::vector<GroupEntry> two = {entry(4), entry(1)};

    NeBuilder builder;
    builder.Add(kNeGroupIcon, std::uint16_t{7}, GroupDirectory(seven))
        .Add(kNeGroupIcon, std::string("APPLE"), GroupDirectory(apple))
        .Add(kNeGroupIcon, std::uint16_t{2}, GroupDirectory(two));
    for (std::uint16_t id = 1; id <= icons.size(); ++id) {
        builder.Add(kNeIcon, id, icons[id - 1].bytes);
    }
    return {builder.Build(), {{icons[0], icons[1]}, {icons[2]}, {icons[3], icons[0]}}};
}

SampleModule ManyGroupModule(std::uint16_t count) {
    SampleModule module;
    NeBuilder builder;
    std::vector<TestImage> icons;
    for (std::uint16_t group = 1; group <= count; ++group) {
        icons.push_back(
            DibImage(16, 16, 1, 8, 40 + 1024 + 256 + 64, static_cast<std::uint8_t>(group)));
        const std::uint16_t iconId = 1000 + group;
        const std::vector<GroupEntry> entries = {
            {iconId, static_cast<std::uint32_t>(icons.back().bytes.size())}};
        builder.Add(kNeGroupIcon, group, GroupDirectory(entries));
        module.groups.push_back({icons.back()});
    }
    for (std::uint16_t group = 1; group <= count; ++group) {
        builder.Add(kNeIcon, static_cast<std::uint16_t>(1000 + group), icons[group - 1].bytes);
    }
    module.file = builder.Build();
    return module;
}

NeFile ModuleWithoutGroups() {
    return NeBuilder().Add(kNeIcon, std::uint16_t{1}, DibImage(16, 16, 1, 4, 200, 9).bytes).Build();
}

}  // namespace tavrin::tests
