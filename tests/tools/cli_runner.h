#pragma once
// Runs the built tavrin-extract as a user would, capturing what it prints.

#include <string>
#include <vector>

namespace tavrin::test {

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the tool with `arguments` in `folder` (empty: this process's folder).
CliRun RunTool(const std::vector<std::string>& arguments, const std::string& folder = "");

}  // namespace tavrin::test
