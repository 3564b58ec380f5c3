// tavrin-extract: writes or lists the icon and cursor groups of modules and
// icon files, from the same engine as the Windows program, without its cap
// of 100 groups. `tavrin-extract --help` says how.

#include <cstdio>
#include <nlohmann/json.hpp>

#include "tools/batch.h"
#include "tools/exit_codes.h"
#include "tools/extraction.h"
#include "tools/listing.h"
#include "tools/options.h"
#include "tools/source_plan.h"

#ifdef _WIN32
#include <io.h>
#define TAVRIN_ISATTY _isatty
#else
#include <unistd.h>
#define TAVRIN_ISATTY isatty
#endif

using namespace tavrin::tools;

int main(int argc, char** argv) {
    const ParsedCommandLine parsed = ParseCommandLine(argc, argv);
    if (!parsed.options) {
        return parsed.exitCode;
    }
    const Options& options = *parsed.options;
    const auto tasks = PlanSources(options);

    int written = 0;
    int failed = 0;
    auto listed = nlohmann::ordered_json::array();
    RunInOrder(
        tasks.size(),
        [&](std::size_t i) {
            return options.list ? ListSource(tasks[i], options) : ExtractSource(tasks[i], options);
        },
        [&](SourceReport& report) {
            written += report.written;
            failed += report.failed;
            if (!options.quiet && !options.json) {
                std::fputs(report.out.c_str(), stdout);
            }
            if (options.json) {
                listed.push_back(std::move(report.listed));
            }
            std::fflush(stdout);
            if (options.verbose) {
                std::fputs(report.notes.c_str(), stderr);
            }
            std::fputs(report.errors.c_str(), stderr);
        },
        !options.quiet && TAVRIN_ISATTY(2) != 0);

    if (options.json) {
        // Paths are bytes; any that are not UTF-8 show as U+FFFD.
        const std::string text =
            listed.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
        std::printf("%s\n", text.c_str());
    }
    if (written == 0) {
        return kExitNothingWritten;
    }
    return failed == 0 ? kExitWrote : kExitPartly;
}
