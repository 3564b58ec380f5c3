// One press of Extract as the Windows program makes it (ExtractIconGroup for
// the indices 1 to 100 inside one ExtractPress) against its floor: writing
// the same files' bytes with CreateFileA, WriteFile and CloseHandle alone.
// Also the same calls without the press, each opening the source anew. Runs
// as a Windows program, under Wine here.
// usage: tavrin_press_bench.exe OUTPUT-FOLDER MODULE...

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "icons/extract_icon_group.h"
#include "icons/extract_press.h"
#include "icons/icon_source.h"

namespace {

constexpr int kPresses = 100;
constexpr int kRuns = 15;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

std::string OutputPath(const std::string& folder, int index) {
    return folder + "\\" + std::to_string(index) + ".ico";
}

std::vector<std::vector<char>> ReadWritten(const std::string& folder) {
    std::vector<std::vector<char>> files;
    for (int index = 1; index <= kPresses; ++index) {
        HANDLE file = CreateFileA(OutputPath(folder, index).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            continue;
        }
        std::vector<char> bytes(GetFileSize(file, nullptr));
        DWORD got = 0;
        ReadFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr);
        CloseHandle(file);
        files.push_back(std::move(bytes));
    }
    return files;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void Measure(const std::string& folder, const std::string& module) {
    const auto calls = [&] {
        for (int index = 1; index <= kPresses; ++index) {
            tavrin::icons::ExtractIconGroup(module.c_str(), 0, OutputPath(folder, index).c_str(),
                                            index);
        }
    };
    calls();
    const auto written = ReadWritten(folder);
    const auto floor = [&] {
        for (std::size_t i = 0; i < written.size(); ++i) {
            HANDLE file =
                CreateFileA(OutputPath(folder, static_cast<int>(i) + 1).c_str(), GENERIC_WRITE, 0,
                            nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD put = 0;
            WriteFile(file, written[i].data(), static_cast<DWORD>(written[i].size()), &put,
                      nullptr);
            CloseHandle(file);
        }
    };
    // Taken in turns, so that the disk's moods fall on all three alike.
    std::vector<double> press;
    std::vector<double> alone;
    std::vector<double> floors;
    for (int run = 0; run < kRuns; ++run) {
        press.push_back(Milliseconds([&] {
            const tavrin::icons::ExtractPress scope;
            calls();
        }));
        alone.push_back(Milliseconds(calls));
        floors.push_back(Milliseconds(floor));
    }
    const std::size_t groups = tavrin::icons::IconSource::Open(module, std::nullopt).GroupCount();
    const char* name = module.c_str() + module.find_last_of("\\/") + 1;
    std::printf(
        "%-12s %4zu groups  press %6.1f ms  floor %6.1f ms  press/floor %4.2f"
        "  (calls without the press's reuse %6.1f ms)\n",
        name, groups, Median(press), Median(floors), Median(press) / Median(floors), Median(alone));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fputs("usage: tavrin_press_bench OUTPUT-FOLDER MODULE...\n", stderr);
        return 2;
    }
    CreateDirectoryA(argv[1], nullptr);
    for (int i = 2; i < argc; ++i) {
        Measure(argv[1], argv[i]);
    }
    return 0;
}
