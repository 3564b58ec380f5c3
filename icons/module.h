#pragma once
// An executable module (exe, dll, icl) opened for reading its resources.

#include <memory>
#include <optional>
#include <string>

#include "icons/resource_table.h"
#include "platform/files/file.h"

namespace tavrin::icons {

enum class ModuleProblem { kNone, kUnreadable, kNotAModule };

class Module {
  public:
    // Maps the file read-only; nothing of it runs.
    static Module Open(const std::string& path);
    // Reads a module held in memory; `bytes` must outlive the module.
    static Module FromBytes(Bytes bytes);

    ModuleProblem Problem() const { return problem_; }
    // Null when the module could not be opened.
    const ResourceTable* Resources() const { return resources_.get(); }

  private:
    Module() = default;

    ModuleProblem problem_ = ModuleProblem::kNone;
    std::optional<platform::MappedFile> mapping_;
    std::unique_ptr<ResourceTable> resources_;
};

}  // namespace tavrin::icons
