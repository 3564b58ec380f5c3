// Extracts indices 1 to 100 of one source into a folder, as one press of
// Extract does, and says what came of it; measure-limits.sh times it.

#include <cstdio>
#include <cstdlib>
#include <string>

#include "icons/extract_icon_group.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s SOURCE OUTPUT-FOLDER [LAST-INDEX]\n", argv[0]);
        return 2;
    }
    const int last = argc > 3 ? std::atoi(argv[3]) : 100;
    int count = 0;
    int written = 0;
    for (int index = 1; index <= last; ++index) {
        const std::string output = std::string(argv[2]) + "/" + std::to_string(index) + ".ico";
        const auto report = tavrin::icons::ExtractIconGroupReporting(argv[1], 0, output, index);
        count = report.count > count ? report.count : count;
        written += report.written ? 1 : 0;
    }
    std::printf("groups %d, files written %d\n", count, written);
    return 0;
}
