#include "icons/extract_icon_group.h"

#include <optional>

#include "icons/ico_file.h"
#include "icons/icon_group.h"
#include "icons/module_source.h"

namespace tavrin::icons {
namespace {

// The state of one enumeration of a module's groups. Process-wide, as the
// operation is specified; reset at the start of every call.
struct EnumerationState {
    int runningCount = 0;
    int wantedIndex = 0;
    std::optional<ResourceName> foundName;
    std::optional<std::size_t> foundPosition;
};

EnumerationState g_enumeration;

void EnumerateGroups(const ResourceTable& resources) {
    const std::size_t total = resources.CountNames(kResourceTypeGroupIcon);
    g_enumeration.runningCount = static_cast<int>(total);
    const auto wanted = static_cast<std::size_t>(g_enumeration.wantedIndex);
    if (wanted >= 1 && wanted <= total) {
        g_enumeration.foundPosition = wanted - 1;
        g_enumeration.foundName = resources.NameAt(kResourceTypeGroupIcon, wanted - 1);
    }
}

ExtractProblem ProblemOf(ModuleProblem problem) {
    return problem == ModuleProblem::kUnreadable ? ExtractProblem::kUnreadable
                                                 : ExtractProblem::kNotAModule;
}

ExtractProblem ProblemOf(IcoReadProblem problem) {
    return problem == IcoReadProblem::kUnreadable ? ExtractProblem::kUnreadable
                                                  : ExtractProblem::kNotAnIconFile;
}

}  // namespace

struct ExtractSession::Opened {
    std::string path;
    Module module;
};

ExtractSession::ExtractSession() = default;
ExtractSession::~ExtractSession() = default;

class SessionAccess {
  public:
    // The module at `path`: the session's when it holds that one, else
    // opened now (and kept by the session, if there is one).
    static const Module& OpenModule(const std::string& path, ExtractSession* session,
                                    std::optional<Module>& local) {
        if (session == nullptr) {
            return local.emplace(OpenIconSourceModule(path));
        }
        auto& opened = session->opened_;
        if (!opened || opened->path != path) {
            opened.reset(new ExtractSession::Opened{path, OpenIconSourceModule(path)});
        }
        return opened->module;
    }
};

ExtractReport ExtractIconGroupReporting(std::string_view source, int mode, std::string_view output,
                                        int index, ExtractSession* session) {
    ExtractReport report;
    if (mode != 0 || output.empty()) {
        report.problem = ExtractProblem::kNotWanted;
        return report;
    }
    g_enumeration = EnumerationState{};
    g_enumeration.wantedIndex = index < 1 ? 1 : index;

    const std::string sourcePath(source);
    std::optional<IconImageSet> set;
    std::optional<Module> localModule;
    const Module* module = nullptr;
    switch (FormatOfSource(source)) {
        case SourceFormat::kIcoFile: {
            // The whole file is one icon, so only index 1 selects it; for
            // higher indices the result is the same without reading.
            g_enumeration.runningCount = 1;
            if (g_enumeration.wantedIndex == 1) {
                IcoReadResult read = ReadIcoFileReporting(sourcePath);
                set = std::move(read.set);
                report.problem = ProblemOf(read.problem);
            }
            break;
        }
        case SourceFormat::kModule:
            module = &SessionAccess::OpenModule(sourcePath, session, localModule);
            if (module->Resources() == nullptr) {
                report.problem = ProblemOf(module->Problem());
                return report;
            }
            EnumerateGroups(*module->Resources());
            if (g_enumeration.runningCount == 0) {
                report.problem = ExtractProblem::kNoIconGroups;
            }
            break;
        case SourceFormat::kUnknown:
            report.problem = ExtractProblem::kUnknownKind;
            return report;
    }

    const int count = g_enumeration.runningCount;
    if (count == 0) {
        return report;
    }
    if (count < g_enumeration.wantedIndex) {
        report.problem = ExtractProblem::kIndexBeyondCount;
        return report;
    }
    report.count = count;

    if (module) {
        // The group is taken from the open module at the position found;
        // for a module with unique group names that is the group of the
        // found name.
        set = BuildIconGroupAt(*module->Resources(), *g_enumeration.foundPosition);
    }
    if (!set) {
        if (report.problem == ExtractProblem::kNone) {
            report.problem = ExtractProblem::kGroupUnreadable;
        }
        return report;
    }
    report.problem = ExtractProblem::kNone;
    if (SourceKind(output) != "ico") {
        report.problem = ExtractProblem::kOutputNotIco;
        return report;
    }
    report.written = WriteIcoFileReporting(*set, std::string(output));
    report.imageCount = set->images.size();
    if (!report.written) {
        report.problem = ExtractProblem::kWriteFailed;
    }
    return report;
}

int ExtractIconGroup(const char* source, int mode, const char* output, int index) {
    // A missing text counts as the empty text.
    return ExtractIconGroupReporting(source ? source : "", mode, output ? output : "", index).count;
}

SourceSummary InspectSource(std::string_view source, ExtractSession* session) {
    const std::string path(source);
    switch (FormatOfSource(source)) {
        case SourceFormat::kIcoFile: {
            const IcoReadResult read = ReadIcoFileReporting(path);
            if (!read.set) {
                return {0, ProblemOf(read.problem)};
            }
            return {1, ExtractProblem::kNone};
        }
        case SourceFormat::kModule: {
            std::optional<Module> localModule;
            const Module& module = SessionAccess::OpenModule(path, session, localModule);
            if (module.Resources() == nullptr) {
                return {0, ProblemOf(module.Problem())};
            }
            const auto count =
                static_cast<int>(module.Resources()->CountNames(kResourceTypeGroupIcon));
            return {count, count == 0 ? ExtractProblem::kNoIconGroups : ExtractProblem::kNone};
        }
        case SourceFormat::kUnknown:
            break;
    }
    return {0, ExtractProblem::kUnknownKind};
}

}  // namespace tavrin::icons
