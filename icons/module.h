#pragma once
// An executable module (exe, dll, icl) opened for reading its resources.

#include <memory>
#include <optional>
#include <string>

#include "icons/extract_problem.h"
#include "icons/resource_table.h"
#include "platform/files/file.h"

namespace tavrin::icons {

class Module {
  public:
    // Maps the file read-only; nothing of it runs. `userLanguage` takes part
    // in choosing among a resource's languages.
    static Module Open(const std::string& path, std::optional<std::uint16_t> userLanguage);
    // Reads a module held in memory; `bytes` must outlive the module.
    static Module FromBytes(Bytes bytes, std::optional<std::uint16_t> userLanguage = std::nullopt);

    // kNone, kUnreadable or kNotAModule.
    ExtractProblem Problem() const { return problem_; }
    // Null when the module could not be opened.
    const ResourceTable* Resources() const { return resources_.get(); }
    // The identity of the file read; none for bytes held in memory.
    std::optional<platform::FileIdentity> Identity() const {
        return mapping_ ? mapping_->Identity() : std::nullopt;
    }

  private:
    Module() = default;

    ExtractProblem problem_ = ExtractProblem::kNone;
    std::optional<platform::MappedFile> mapping_;
    std::unique_ptr<ResourceTable> resources_;
};

}  // namespace tavrin::icons
