#include "icons/module.h"

#include "icons/ne_resource_table.h"
#include "icons/pe_resource_table.h"

namespace tavrin::icons {
namespace {

std::unique_ptr<ResourceTable> ReadModuleResources(Bytes bytes,
                                                   std::optional<std::uint16_t> userLanguage) {
    if (auto pe = ReadPeResources(bytes, userLanguage)) {
        return pe;
    }
    return ReadNeResources(bytes);
}

}  // namespace

Module Module::Open(const std::string& path, std::optional<std::uint16_t> userLanguage) {
    Module module;
    module.mapping_ = platform::MappedFile::Open(path);
    if (!module.mapping_) {
        module.problem_ = ExtractProblem::kUnreadable;
        return module;
    }
    module.resources_ = ReadModuleResources(module.mapping_->Bytes(), userLanguage);
    if (!module.resources_) {
        module.problem_ = ExtractProblem::kNotAModule;
        module.mapping_.reset();
    }
    return module;
}

Module Module::FromBytes(Bytes bytes, std::optional<std::uint16_t> userLanguage) {
    Module module;
    module.resources_ = ReadModuleResources(bytes, userLanguage);
    if (!module.resources_) {
        module.problem_ = ExtractProblem::kNotAModule;
    }
    return module;
}

}  // namespace tavrin::icons
