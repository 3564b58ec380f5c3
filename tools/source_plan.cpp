#include "tools/source_plan.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/files/path.h"
#include "tools/output_naming.h"

namespace tavrin::tools {
namespace {

namespace fs = std::filesystem;

// Sources below one folder argument, sorted, relative to it.
std::vector<std::string> Walk(const std::string& folder, std::string& problem) {
    std::vector<std::string> found;
    std::error_code error;
    try {
        const fs::path root = platform::ToFsPath(folder);
        fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied,
                                            error);
        for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
            std::error_code ignored;
            const std::string path = platform::FromFsPath(it->path());
            if (it->is_regular_file(ignored) && FormatOfExtension(path)) {
                found.push_back(platform::FromFsPath(it->path().lexically_relative(root)));
            }
        }
    } catch (const std::exception&) {
        // A name the narrow encoding cannot hold.
        error = std::make_error_code(std::errc::illegal_byte_sequence);
    }
    if (error) {
        problem = "cannot walk the folder: " + error.message();
    }
    std::sort(found.begin(), found.end());
    return found;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(platform::ToFsPath(path), error);
}

}  // namespace

std::optional<icons::SourceFormat> FormatOfExtension(const std::string& path) {
    static constexpr std::array<std::string_view, 8> kModules = {"exe", "dll", "icl", "cpl",
                                                                 "ocx", "scr", "mun", "sys"};
    const auto syntax = platform::NativePathSyntax();
    const std::string_view name =
        std::string_view(path).substr(platform::FileNameStart(path, syntax));
    const std::size_t dot = name.rfind('.');
    if (dot == std::string_view::npos) {
        return std::nullopt;
    }
    std::string extension(name.substr(dot + 1));
    for (char& c : extension) {
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (extension == "ico") {
        return icons::SourceFormat::kIcoFile;
    }
    if (std::find(kModules.begin(), kModules.end(), extension) != kModules.end()) {
        return icons::SourceFormat::kModule;
    }
    return std::nullopt;
}

std::vector<SourceTask> PlanSources(const Options& options) {
    const auto syntax = platform::NativePathSyntax();
    std::vector<SourceTask> tasks;
    // Two arguments may end in the same name; each keeps a folder of its own.
    UniqueNames folders;
    const auto add = [&](const std::string& path, const std::string& relative,
                         std::string problem) {
        // SOURCE [DIR] reads its source as the Windows program does, by the
        // last three characters alone; -o and --list also take the kinds -r
        // walks for.
        const bool wider = options.batch || options.list;
        SourceTask task{path, wider ? FormatOfExtension(path) : std::nullopt, options.outputDir,
                        std::move(problem)};
        if (options.batch) {
            task.outputDir =
                platform::JoinPath(options.outputDir, folders.Claim(relative, ""), syntax);
        }
        tasks.push_back(std::move(task));
    };
    for (const std::string& argument : options.sources) {
        const bool walk = (options.batch || options.list) && IsFolder(argument);
        const std::string fileName = argument.substr(platform::FileNameStart(argument, syntax));
        if (walk && !options.recursive) {
            add(argument, fileName, "a folder; -r walks it");
            continue;
        }
        if (!walk) {
            add(argument, fileName.empty() ? argument : fileName, "");
            continue;
        }
        std::string problem;
        const auto found = Walk(argument, problem);
        if (!problem.empty()) {
            add(argument, fileName, problem);
        }
        for (const std::string& relative : found) {
            add(platform::JoinPath(argument, relative, syntax), relative, "");
        }
    }
    return tasks;
}

icons::IconSource OpenSource(const SourceTask& task, std::optional<std::uint16_t> userLanguage) {
    return task.format ? icons::IconSource::OpenAs(task.path, *task.format, userLanguage)
                       : icons::IconSource::Open(task.path, userLanguage);
}

}  // namespace tavrin::tools
