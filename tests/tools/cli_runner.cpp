#include "tests/tools/cli_runner.h"

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "tests/support/temp_dir.h"

namespace tavrin::test {
namespace {

// Single quotes keep every byte but the quote itself.
std::string Quoted(const std::string& text) {
    std::string out(1, '\'');
    for (char c : text) {
        if (c == '\'') {
            out.append("'\\''");
        } else {
            out.push_back(c);
        }
    }
    out.push_back('\'');
    return out;
}

std::string Slurp(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

CliRun RunTool(const std::vector<std::string>& arguments, const std::string& folder) {
    const TempDir captured;
    // Built by appending: GCC 12 misreports "text" + std::string here.
    std::string command;
    if (!folder.empty()) {
        command.append("cd ").append(Quoted(folder)).append(" && ");
    }
    command.append(Quoted(TAVRIN_EXTRACT_TOOL));
    for (const auto& argument : arguments) {
        command.append(" ").append(Quoted(argument));
    }
    command.append(" >").append(Quoted(captured.File("out")));
    command.append(" 2>").append(Quoted(captured.File("err")));
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = Slurp(captured.File("out"));
    run.err = Slurp(captured.File("err"));
    return run;
}

}  // namespace tavrin::test
