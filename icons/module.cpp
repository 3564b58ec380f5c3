#include "icons/module.h"

#include "icons/ne_resource_table.h"
#include "icons/pe_resource_table.h"

namespace tavrin::icons {
namespace {

std::unique_ptr<ResourceTable> ReadModuleResources(Bytes bytes) {
    if (auto pe = ReadPeResources(bytes)) {
        return pe;
    }
    return ReadNeResources(bytes);
}

}  // namespace

Module Module::Open(const std::string& path) {
    Module module;
    module.mapping_ = platform::MappedFile::Open(path);
    if (!module.mapping_) {
        module.problem_ = ModuleProblem::kUnreadable;
        return module;
    }
    module.resources_ = ReadModuleResources(module.mapping_->Bytes());
    if (!module.resources_) {
        module.problem_ = ModuleProblem::kNotAModule;
        module.mapping_.reset();
    }
    return module;
}

Module Module::FromBytes(Bytes bytes) {
    Module module;
    module.resources_ = ReadModuleResources(bytes);
    if (!module.resources_) {
        module.problem_ = ModuleProblem::kNotAModule;
    }
    return module;
}

}  // namespace tavrin::icons
