// One press of Extract as the Windows program makes it (ExtractIconGroup for
// the indices 1 to 100, each call opening the source anew) against its floor:
// writing the same files' bytes with CreateFileA, WriteFile and CloseHandle
// alone. Also splits the press into its phases. Runs as a Windows program,
// under Wine here.
// usage: tavrin_press_bench.exe OUTPUT-FOLDER MODULE...

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "icons/extract_icon_group.h"
#include "icons/ico_file.h"
#include "icons/icon_source.h"

namespace {

constexpr int kPresses = 100;
constexpr int kRuns = 7;

double Milliseconds(const std::function<void()>& work) {
    const auto start = std::chrono::steady_clock::now();
    work();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

double MedianOf(const std::function<void()>& work) {
    std::vector<double> times;
    for (int run = 0; run < kRuns; ++run) {
        times.push_back(Milliseconds(work));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

void Measure(const std::string& folder, const std::string& module) {
    const auto press = [&] {
        for (int index = 1; index <= kPresses; ++index) {
            tavrin::icons::ExtractIconGroup(module.c_str(), 0, OutputPath(folder, index).c_str(),
                                            index);
        }
    };
    const double pressMs = MedianOf(press);
    const auto written = ReadWritten(folder);
    const double floorMs = MedianOf([&] {
        for (std::size_t i = 0; i < written.size(); ++i) {
            HANDLE file = CreateFileA(OutputPath(folder, static_cast<int>(i) + 1).c_str(),
                                      GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
            DWORD put = 0;
            WriteFile(file, written[i].data(), static_cast<DWORD>(written[i].size()), &put,
                      nullptr);
            CloseHandle(file);
        }
    });

    // The same press in its phases: opening the source, building the
    // groups, writing the files.
    using tavrin::icons::IconSource;
    const double openMs = MedianOf([&] {
        for (int index = 1; index <= kPresses; ++index) {
            IconSource::Open(module, std::nullopt);
        }
    });
    const IconSource source = IconSource::Open(module, std::nullopt);
    const std::size_t groups = source.GroupCount();
    const std::size_t wanted = std::min<std::size_t>(groups, kPresses);
    const double buildMs = MedianOf([&] {
        for (std::size_t position = 0; position < wanted; ++position) {
            source.GroupAt(position);
        }
    });
    std::vector<tavrin::icons::IconImageSet> sets;
    for (std::size_t position = 0; position < wanted; ++position) {
        sets.push_back(*source.GroupAt(position).set);
    }
    const double writeMs = MedianOf([&] {
        for (std::size_t i = 0; i < sets.size(); ++i) {
            tavrin::icons::WriteIcoFile(sets[i], OutputPath(folder, static_cast<int>(i) + 1));
        }
    });

    const char* name = module.c_str() + module.find_last_of("\\/") + 1;
    std::printf("%-14s %6zu groups  press %7.1f ms  floor %6.1f ms  press/floor %4.2f"
                "  (open x100 %6.1f, build %6.1f, write %6.1f ms)\n",
                name, groups, pressMs, floorMs, pressMs / floorMs, openMs, buildMs, writeMs);
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
