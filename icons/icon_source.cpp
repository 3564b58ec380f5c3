#include "icons/icon_source.h"

#include "icons/ico_file.h"
#include "icons/icon_group.h"
#include "icons/resource_file.h"

namespace tavrin::icons {
namespace {

std::size_t GroupsOf(const Module& module) {
    return module.Resources() ? module.Resources()->CountNames(kResourceTypeGroupIcon) : 0;
}

}  // namespace

IconSource IconSource::Open(const std::string& path, std::optional<std::uint16_t> userLanguage) {
    return OpenAs(path, FormatOfSource(path), userLanguage);
}

IconSource IconSource::OpenAs(const std::string& path, SourceFormat format,
                              std::optional<std::uint16_t> userLanguage) {
    IconSource source;
    source.format_ = format;
    switch (source.format_) {
        case SourceFormat::kUnknown:
            source.openProblem_ = ExtractProblem::kUnknownKind;
            break;
        case SourceFormat::kIcoFile: {
            source.icoFile_ = platform::MappedFile::Open(path, platform::Sharing::kNobody);
            if (!source.icoFile_) {
                source.openProblem_ = ExtractProblem::kUnreadable;
                break;
            }
            IcoReadResult read = ReadIcoBytes(source.icoFile_->Bytes());
            source.icoSet_ = std::move(read.set);
            source.openProblem_ = read.problem;
            break;
        }
        case SourceFormat::kModule: {
            source.module_ = Module::Open(path, userLanguage);
            if (source.module_->Resources() == nullptr) {
                source.openProblem_ = source.module_->Problem();
                break;
            }
            if (GroupsOf(*source.module_) == 0) {
                // Decided here, once: the rest of the source's life reads
                // whichever file holds the groups.
                std::string resourceFile = ResourceFilePathFor(path);
                if (!resourceFile.empty()) {
                    Module resources = Module::Open(resourceFile, userLanguage);
                    if (GroupsOf(resources) != 0) {
                        source.module_ = std::move(resources);
                        source.resourceFile_ = std::move(resourceFile);
                    }
                }
            }
            break;
        }
    }
    return source;
}

std::size_t IconSource::GroupCount(GroupKind kind) const {
    if (const ResourceTable* resources = Resources()) {
        return resources->CountNames(GroupResourceType(kind));
    }
    return icoSet_ && kind == GroupKind::kIcon ? 1 : 0;
}

ExtractProblem IconSource::Problem() const {
    if (openProblem_ != ExtractProblem::kNone) {
        return openProblem_;
    }
    return GroupCount(GroupKind::kIcon) == 0 ? ExtractProblem::kNoIconGroups
                                             : ExtractProblem::kNone;
}

IconGroup IconSource::GroupAt(std::size_t position, GroupKind kind,
                              std::optional<std::uint16_t> wanted) const {
    if (openProblem_ != ExtractProblem::kNone) {
        return {std::nullopt, openProblem_};
    }
    const std::size_t count = GroupCount(kind);
    if (position >= count) {
        return {std::nullopt,
                count == 0 ? ExtractProblem::kNoIconGroups : ExtractProblem::kIndexBeyondCount};
    }
    if (icoSet_) {
        return {icoSet_, ExtractProblem::kNone};
    }
    auto set = BuildGroupAt(*module_->Resources(), kind, position, wanted);
    if (!set) {
        return {std::nullopt, ExtractProblem::kGroupUnreadable};
    }
    return {std::move(set), ExtractProblem::kNone};
}

std::optional<ResourceName> IconSource::GroupName(std::size_t position, GroupKind kind) const {
    const ResourceTable* resources = Resources();
    return resources ? resources->NameAt(GroupResourceType(kind), position) : std::nullopt;
}

std::vector<std::uint16_t> IconSource::GroupLanguages(std::size_t position, GroupKind kind) const {
    const ResourceTable* resources = Resources();
    return resources ? resources->LanguagesAt(GroupResourceType(kind), position)
                     : std::vector<std::uint16_t>{};
}

std::size_t IconSource::AnimatedCursorCount() const {
    const ResourceTable* resources = Resources();
    return resources ? resources->CountNames(kResourceTypeAnimatedCursor) : 0;
}

std::optional<Bytes> IconSource::AnimatedCursorAt(std::size_t position) const {
    const ResourceTable* resources = Resources();
    const auto data =
        resources ? resources->DataAt(kResourceTypeAnimatedCursor, position) : std::nullopt;
    return data ? std::optional(data->bytes) : std::nullopt;
}

std::optional<platform::FileIdentity> IconSource::ModuleIdentity() const {
    if (!module_ || !resourceFile_.empty()) {
        return std::nullopt;
    }
    return module_->Identity();
}

const ResourceTable* IconSource::Resources() const {
    return module_ ? module_->Resources() : nullptr;
}

}  // namespace tavrin::icons
