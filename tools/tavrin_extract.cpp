// tavrin-extract SOURCE [DIR]: writes every icon group of SOURCE as
// DIR/1.ico, DIR/2.ico ... through the same operation as the Windows program,
// without its cap of 100 groups.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "icons/extract_icon_group.h"

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace {

using tavrin::icons::ExtractProblem;

constexpr int kWrote = 0;
constexpr int kNothingWritten = 1;
constexpr int kBadArguments = 2;

constexpr const char* kUsage =
    "usage: tavrin-extract SOURCE [DIR]\n"
    "Writes every icon group of SOURCE (an exe, dll, icl or ico file) as DIR/1.ico,\n"
    "DIR/2.ico ... DIR defaults to the current directory and is created if missing.\n";

#ifdef _WIN32
constexpr char kSeparator = '\\';
#else
constexpr char kSeparator = '/';
#endif

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

std::string JoinPath(std::string dir, const std::string& name) {
    if (!dir.empty() && dir.back() != '/' && dir.back() != kSeparator) {
        dir += kSeparator;
    }
    return dir + name;
}

}  // namespace

int main(int argc, char** argv) {
#ifdef __GLIBC__
    // Every group allocates and frees its images and file buffer; without
    // this glibc hands the heap's top back to the system after each one.
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    mallopt(M_TOP_PAD, 16 << 20);
#endif
    if (argc == 2 && (std::string_view(argv[1]) == "-h" || std::string_view(argv[1]) == "--help")) {
        std::fputs(kUsage, stdout);
        return kWrote;
    }
    if (argc < 2 || argc > 3 || std::string_view(argv[1]).empty() ||
        (argc == 3 && std::string_view(argv[2]).empty())) {
        std::fputs(kUsage, stderr);
        return kBadArguments;
    }
    const std::string source = argv[1];
    const std::string dir = argc == 3 ? argv[2] : std::string();

    // Look before writing anything, so a source with nothing to give leaves
    // no folder behind.
    // One session: the source is opened once for the whole run.
    tavrin::icons::ExtractSession session;
    const auto summary = tavrin::icons::InspectSource(source, &session);
    if (summary.groupCount == 0) {
        return Fail(source, Reason(summary.problem));
    }
    if (!dir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(dir, error);
        if (!std::filesystem::is_directory(dir, error)) {
            return Fail(source, "cannot create the folder " + dir);
        }
    }

    int written = 0;
    ExtractProblem lastProblem = ExtractProblem::kNone;
    for (int index = 1; index <= summary.groupCount; ++index) {
        const std::string output = JoinPath(dir, std::to_string(index) + ".ico");
        const auto report =
            tavrin::icons::ExtractIconGroupReporting(source, 0, output, index, &session);
        if (report.written) {
            std::printf("%s\t%zu image%s\n", output.c_str(), report.imageCount,
                        report.imageCount == 1 ? "" : "s");
            ++written;
        } else {
            lastProblem = report.problem;
            std::fprintf(stderr, "tavrin-extract: group %d: %s\n", index, Reason(report.problem));
        }
    }
    if (written == 0) {
        return Fail(source, Reason(lastProblem));
    }
    return kWrote;
}
