#include "tools/options.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <string_view>

#include "tools/exit_codes.h"
#include "tools/output_naming.h"

namespace tavrin::tools {
namespace {

constexpr const char* kUsage =
    "usage: tavrin-extract SOURCE [DIR]\n"
    "       tavrin-extract -o DIR [options] SOURCE...\n"
    "       tavrin-extract --list [--json] [options] SOURCE...\n";

constexpr const char* kDescription =
    "Writes the icon groups of SOURCE as DIR/1.ico, DIR/2.ico ... DIR defaults to the\n"
    "current folder and is created if missing. SOURCE is an exe, dll, icl or ico file,\n"
    "by the last three letters of its name, as the Windows program reads it. With -o,\n"
    "every SOURCE gets its own folder DIR/<its path below the argument>/ (a file\n"
    "argument: DIR/<its file name>/); -o and --list also read cpl, ocx, scr, sys and\n"
    "mun files.\n";

constexpr const char* kFooter =
    "Selecting: --group, --resource and --index name one group three ways.\n"
    "  --group 3       the third group in stored order, as in 3.ico (from 1)\n"
    "  --resource 16   the group whose resource ID is 16; --resource APP: named APP\n"
    "  --index 2       the Windows shell's index: the third group (from 0);\n"
    "  --index -16     a negative index is a resource ID, as in \"shell32.dll,-16\"\n"
    "Names: TEMPLATE takes {n} (position), {id} (resource number, or its name),\n"
    "  {name} (resource name, empty for a number), {lang} (language, 4 hex digits),\n"
    "  {source} (the source's file name), {width} {height} {bits} (with --png).\n"
    "  Default {n}; {n}-{lang} with --all-languages; --png adds\n"
    "  -{width}x{height}-{bits} unless the template uses them. A name that would\n"
    "  repeat within a source gets ~2, ~3 ... appended, so no file is overwritten\n"
    "  by another of the same run. Characters other than ASCII letters, digits and\n"
    "  - _ . become _.\n"
    "Exit status: 0 everything asked for was written (or listed); 1 nothing was;\n"
    "  2 bad arguments; 3 some sources or files failed and others were written.\n"
    "  A damaged group is reported and skipped; it fails a source only when the\n"
    "  source gives nothing else.\n";

class Formatter : public CLI::Formatter {
  public:
    std::string make_usage(const CLI::App*, std::string) const override {
        return std::string(kUsage) + "\n" + kDescription;
    }
};

int BadArguments(const std::string& message) {
    if (!message.empty()) {
        std::fprintf(stderr, "tavrin-extract: %s\n", message.c_str());
    }
    std::fputs(kUsage, stderr);
    std::fputs("Try 'tavrin-extract --help' for more.\n", stderr);
    return kExitBadArguments;
}

// A LANGID in decimal or 0x hex.
std::optional<std::uint16_t> ParseLanguage(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const std::string_view digits = hex ? std::string_view(text).substr(2) : text;
    if (digits.empty() || digits.size() > 6) {
        return std::nullopt;
    }
    unsigned long value = 0;
    for (char c : digits) {
        int digit = -1;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (hex && c >= 'a' && c <= 'f') {
            digit = c - 'a' + 10;
        } else if (hex && c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        }
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<unsigned long>(digit);
    }
    if (value > 0xFFFF) {
        return std::nullopt;
    }
    return static_cast<std::uint16_t>(value);
}

// What CLI11 cannot say: which options only make sense together.
std::string Conflicts(const Options& options) {
    for (const auto& source : options.sources) {
        if (source.empty()) {
            return "an empty path";
        }
    }
    if (options.sources.empty()) {
        return options.batch || options.list ? "no SOURCE given" : "";
    }
    if (!options.batch && !options.list && options.sources.size() > 2) {
        return "more than SOURCE and DIR; use -o DIR for many sources";
    }
    if (options.recursive && !options.batch && !options.list) {
        return "-r needs -o DIR or --list";
    }
    if (options.list && options.png) {
        return "--png writes files; --list writes none";
    }
    if (options.list && !options.nameTemplate.empty()) {
        return "--name names files; --list writes none";
    }
    if (options.allLanguages && options.language) {
        return "--language picks one language; --all-languages takes them all";
    }
    return "";
}

}  // namespace

ParsedCommandLine ParseCommandLine(int argc, char** argv) {
    Options options;
    CLI::App app("", "tavrin-extract");
    app.formatter(std::make_shared<Formatter>());
    app.footer(kFooter);
    app.set_help_flag("-h,--help", "Print this help and exit");
    app.set_version_flag("--version", std::string("tavrin-extract ") + TAVRIN_VERSION,
                         "Print the version and exit");

    std::vector<std::string> arguments;
    std::string language;
    app.add_option("SOURCE", arguments, "Sources; without -o or --list, SOURCE and then DIR");

    const std::string output = "Output";
    app.add_option("-o,--output", options.outputDir,
                   "Write into DIR, a folder per source; every argument is then a source")
        ->type_name("DIR")
        ->group(output);
    app.add_flag("-r,--recursive", options.recursive,
                 "Walk folder arguments for exe, dll, icl, ico, cpl, ocx, scr, mun, sys files")
        ->group(output);
    app.add_option("--name", options.nameTemplate, "Name files from TEMPLATE (see Names below)")
        ->type_name("TEMPLATE")
        ->group(output);
    app.add_flag("--cursors", options.cursors,
                 "Take cursor groups (.cur, with hotspots) and animated cursors (.ani, as "
                 "stored) instead of icon groups")
        ->group(output);
    app.add_flag("--png", options.png, "Write each image of a group as its own PNG file")
        ->group(output);
    app.add_option("--size", options.size,
                   "Keep only the image closest to N pixels wide (ties: larger, then deeper)")
        ->type_name("N")
        ->check(CLI::Range(1, 65535))
        ->group(output);

    const std::string selecting = "Selecting a group (one of these; see Selecting below)";
    auto* group = app.add_option("-g,--group", options.group, "The Nth group, from 1 (as in N.ico)")
                      ->type_name("N")
                      ->check(CLI::Range(std::size_t{1}, std::size_t{1} << 30))
                      ->group(selecting);
    auto* resource = app.add_option("--resource", options.resource,
                                    "The group whose resource ID or name is this (names "
                                    "compare without ASCII case)")
                         ->type_name("ID|NAME")
                         ->group(selecting);
    auto* index = app.add_option("--index", options.index,
                                 "The Windows shell's index: K from 0, or -ID for resource ID")
                      ->type_name("K")
                      ->group(selecting);
    group->excludes(resource)->excludes(index);
    resource->excludes(index);

    const std::string languages = "Languages";
    app.add_option("--language", language,
                   "Prefer this LANGID (decimal or 0x hex) where a group has it")
        ->type_name("LANGID")
        ->group(languages);
    app.add_flag("--all-languages", options.allLanguages,
                 "Write every language of every group (names then differ by {lang})")
        ->group(languages);

    const std::string listing = "Listing";
    auto* list = app.add_flag("-l,--list", options.list,
                              "Write nothing; print each group's position, ID or name, language "
                              "and images")
                     ->group(listing);
    app.add_flag("--json", options.json, "With --list: print one JSON document")
        ->needs(list)
        ->group(listing);

    const std::string messages = "Messages";
    auto* quiet =
        app.add_flag("-q,--quiet", options.quiet, "Print nothing but errors")->group(messages);
    app.add_flag("-v,--verbose", options.verbose,
                 "Also say when a .mun file was read instead of the module, and why a group "
                 "was skipped")
        ->excludes(quiet)
        ->group(messages);

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::fputs(app.help().c_str(), stdout);
        return {std::nullopt, kExitWrote};
    } catch (const CLI::CallForVersion& version) {
        std::printf("%s\n", version.what());
        return {std::nullopt, kExitWrote};
    } catch (const CLI::ParseError& error) {
        return {std::nullopt, BadArguments(error.what())};
    }

    options.batch = app.count("--output") != 0;
    if (options.batch && options.outputDir.empty()) {
        return {std::nullopt, BadArguments("-o needs a folder")};
    }
    if (!language.empty()) {
        options.language = ParseLanguage(language);
        if (!options.language) {
            return {std::nullopt,
                    BadArguments("--language " + language + ": not a LANGID (0 to 0xFFFF)")};
        }
    }
    if (!options.batch && !options.list && arguments.size() == 2) {
        options.outputDir = arguments.back();
        arguments.pop_back();
        if (options.outputDir.empty()) {
            return {std::nullopt, BadArguments("")};
        }
    }
    options.sources = std::move(arguments);
    if (options.sources.empty() && !options.batch && !options.list) {
        return {std::nullopt, BadArguments("")};
    }
    if (const std::string conflict = Conflicts(options); !conflict.empty()) {
        return {std::nullopt, BadArguments(conflict)};
    }
    if (!options.nameTemplate.empty()) {
        if (const std::string error = CheckNameTemplate(options.nameTemplate); !error.empty()) {
            return {std::nullopt, BadArguments("--name " + options.nameTemplate + ": " + error)};
        }
    }
    return {std::move(options), kExitWrote};
}

}  // namespace tavrin::tools
