#include "icons/extract_icon_group.h"

#include "icons/ico_file.h"
#include "icons/icon_group.h"
#include "icons/icon_source.h"
#include "icons/kept_source.h"
#include "platform/locale/user_language.h"

namespace tavrin::icons {

ExtractReport ExtractIconGroupReporting(std::string_view source, int mode, std::string_view output,
                                        int index) {
    ExtractReport report;
    if (mode != 0 || output.empty()) {
        report.problem = ExtractProblem::kNotWanted;
        return report;
    }
    const std::size_t wanted = index < 1 ? 1 : static_cast<std::size_t>(index);
    const SourceFormat format = FormatOfSource(source);
    // An icon file is one icon, so only index 1 selects it; for higher
    // indices the result is the same without opening it.
    if (format == SourceFormat::kIcoFile && wanted > 1) {
        report.problem = ExtractProblem::kIndexBeyondCount;
        return report;
    }
    const std::string path(source);
    const auto userLanguage = platform::UserLanguage();
    std::optional<IconSource> opened;
    const IconSource* kept = KeptSourceFor(path, userLanguage);
    const IconSource& from = kept ? *kept : opened.emplace(IconSource::Open(path, userLanguage));
    // An icon file counts as one group even when it cannot be read.
    const std::size_t count = format == SourceFormat::kIcoFile ? 1 : from.GroupCount();
    const ExtractProblem sourceProblem = from.Problem();
    const IconGroup group = count >= wanted ? from.GroupAt(wanted - 1) : IconGroup{};
    if (opened) {
        OfferToPress(path, userLanguage, std::move(*opened));
    }
    if (count == 0) {
        report.problem = sourceProblem;
        return report;
    }
    if (count < wanted) {
        report.problem = ExtractProblem::kIndexBeyondCount;
        return report;
    }
    report.count = static_cast<int>(count);
    if (!group.set) {
        report.problem = group.problem;
        return report;
    }
    if (SourceKind(output) != "ico") {
        report.problem = ExtractProblem::kOutputNotIco;
        return report;
    }
    report.written = WriteIcoFileReporting(*group.set, std::string(output));
    report.imageCount = group.set->images.size();
    if (!report.written) {
        report.problem = ExtractProblem::kWriteFailed;
    }
    return report;
}

int ExtractIconGroup(const char* source, int mode, const char* output, int index) {
    // A missing text counts as the empty text.
    return ExtractIconGroupReporting(source ? source : "", mode, output ? output : "", index).count;
}

std::optional<IconImageSet> LoadIconGroup(const std::string& modulePath, const ResourceName& name) {
    const IconSource source = IconSource::Open(modulePath, platform::UserLanguage());
    const ResourceTable* resources = source.Resources();
    const auto group = resources ? resources->Find(kResourceTypeGroupIcon, name) : std::nullopt;
    if (!group) {
        return std::nullopt;
    }
    return BuildIconGroup(*resources, *group);
}

}  // namespace tavrin::icons
