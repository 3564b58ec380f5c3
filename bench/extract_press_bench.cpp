// One press of Extract: ExtractIconGroup for the indices 1 to 100 into a
// temporary folder, on a large generated module and on Wine's shell32.dll.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "icons/extract_icon_group.h"
#include "icons/icon_source.h"

namespace {

constexpr const char* kWineShell32 = "/usr/lib/i386-linux-gnu/wine/i386-windows/shell32.dll";

void ExtractPress(benchmark::State& state, const std::string& module) {
    if (!std::filesystem::exists(module)) {
        state.SkipWithError("module not present");
        return;
    }
    const auto dir = std::filesystem::temp_directory_path() / "tavrin-bench";
    std::filesystem::create_directories(dir);
    const auto groups = tavrin::icons::IconSource::Open(module, std::nullopt).GroupCount();
    for (auto _ : state) {
        for (int index = 1; index <= 100; ++index) {
            const std::string out = (dir / (std::to_string(index) + ".ico")).string();
            benchmark::DoNotOptimize(
                tavrin::icons::ExtractIconGroup(module.c_str(), 0, out.c_str(), index));
        }
    }
    state.counters["groups"] = groups;
    state.counters["MB"] = static_cast<double>(std::filesystem::file_size(module)) / 1e6;
    std::filesystem::remove_all(dir);
}

BENCHMARK_CAPTURE(ExtractPress, generated_module, std::string(TAVRIN_BENCH_MODULE))
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ExtractPress, wine_shell32, std::string(kWineShell32))
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
