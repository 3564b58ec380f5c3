// tavrin-extract SOURCE [DIR]: writes every icon group of SOURCE as
// DIR/1.ico, DIR/2.ico ... from the same engine as the Windows program,
// without its cap of 100 groups.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "icons/ico_file.h"
#include "icons/icon_source.h"
#include "platform/files/path.h"
#include "platform/locale/user_language.h"

namespace {

using tavrin::icons::ExtractProblem;

constexpr int kWrote = 0;
constexpr int kNothingWritten = 1;
constexpr int kBadArguments = 2;

constexpr const char* kUsage =
    "usage: tavrin-extract SOURCE [DIR]\n"
    "Writes every icon group of SOURCE (an exe, dll, icl or ico file) as DIR/1.ico,\n"
    "DIR/2.ico ... DIR defaults to the current directory and is created if missing.\n";

const char* Reason(ExtractProblem problem) {
    switch (problem) {
        case ExtractProblem::kUnknownKind:
            return "not an exe, dll, icl or ico file";
        case ExtractProblem::kUnreadable:
            return "cannot be read";
        case ExtractProblem::kNotAModule:
            return "not a module";
        case ExtractProblem::kNotAnIconFile:
            return "not an icon file";
        case ExtractProblem::kNoIconGroups:
            return "no icon groups";
        case ExtractProblem::kGroupUnreadable:
            return "no icon group could be read";
        case ExtractProblem::kWriteFailed:
        case ExtractProblem::kOutputNotIco:
            return "cannot write the icon files";
        case ExtractProblem::kNone:
        case ExtractProblem::kNotWanted:
        case ExtractProblem::kIndexBeyondCount:
            break;
    }
    return "nothing to extract";
}

int Fail(const std::string& source, const std::string& reason) {
    std::fprintf(stderr, "tavrin-extract: %s: %s\n", source.c_str(), reason.c_str());
    return kNothingWritten;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 2 && (std::string_view(argv[1]) == "-h" || std::string_view(argv[1]) == "--help")) {
        std::fputs(kUsage, stdout);
        return kWrote;
    }
    if (argc < 2 || argc > 3 || std::string_view(argv[1]).empty() ||
        (argc == 3 && std::string_view(argv[2]).empty())) {
        std::fputs(kUsage, stderr);
        return kBadArguments;
    }
    const std::string sourcePath = argv[1];
    const std::string dir = argc == 3 ? argv[2] : std::string();

    // Opened once for the whole run. Look before writing anything, so a
    // source with nothing to give leaves no folder behind.
    const auto source =
        tavrin::icons::IconSource::Open(sourcePath, tavrin::platform::UserLanguage());
    const std::size_t count = source.GroupCount();
    if (count == 0) {
        return Fail(sourcePath, Reason(source.Problem()));
    }
    if (!dir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (!std::filesystem::is_directory(dir, error)) {
            return Fail(sourcePath, "cannot create the folder " + dir);
        }
    }

    const auto syntax = tavrin::platform::NativePathSyntax();
    int written = 0;
    ExtractProblem lastProblem = ExtractProblem::kNone;
    for (std::size_t position = 0; position < count; ++position) {
        const std::string output =
            tavrin::platform::JoinPath(dir, std::to_string(position + 1) + ".ico", syntax);
        const auto group = source.GroupAt(position);
        ExtractProblem problem = group.problem;
        if (group.set) {
            if (tavrin::icons::WriteIcoFileReporting(*group.set, output)) {
                const std::size_t images = group.set->images.size();
                std::printf("%s\t%zu image%s\n", output.c_str(), images, images == 1 ? "" : "s");
                ++written;
                continue;
            }
            problem = ExtractProblem::kWriteFailed;
        }
        lastProblem = problem;
        std::fprintf(stderr, "tavrin-extract: group %zu: %s\n", position + 1, Reason(problem));
    }
    if (written == 0) {
        return Fail(sourcePath, Reason(lastProblem));
    }
    return kWrote;
}
