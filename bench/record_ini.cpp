// A large "record.ini": the macros listed (as `tarvikctl macros` and the Advanced page do) and
// compiled into the slots from a file of many sections. Reading is linear in the file's size:
// 100,000 sections within 1 s, and the memory the read adds (counter growth_per_file_size)
// under twice the file's size. peak_rss_MB is the whole process's high-water mark.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ProcessMemory.h"
#include "macros/MacroStore.h"

namespace {

using namespace tarvik;

// Sections of a recorded key stroke, as the macro dialog saves them.
std::filesystem::path writeStore(long sections) {
    const auto path =
        std::filesystem::temp_directory_path() / ("tarvik-bench-record-" + std::to_string(::getpid()) + ".ini");
    std::ofstream out(path, std::ios::binary);
    for (long i = 0; i < sections; ++i) {
        out << "[Macro" << i << "]\nItemCount=3\nItem0=A   Dn\nItem1=50 ms\nItem2=A   Up\n";
    }
    return path;
}

void BM_ListAndCompileRecordIni(benchmark::State& state) {
    const auto path = writeStore(state.range(0));
    const auto fileBytes = static_cast<double>(std::filesystem::file_size(path));
    ::malloc_trim(0);  // memory an earlier run freed must not hide this run's growth
    bench::resetPeakRss();
    const long before = bench::rssKb();
    for (auto _ : state) {
        auto list = listMacros(path);
        ConfigRecord record;
        CompileMacroSlots(path, record);
        benchmark::DoNotOptimize(list);
        benchmark::DoNotOptimize(record);
    }
    const long peak = bench::peakRssKb();
    std::filesystem::remove(path);
    state.counters["file_MB"] = fileBytes / 1e6;
    state.counters["peak_rss_MB"] = static_cast<double>(peak) * 1024 / 1e6;
    state.counters["growth_per_file_size"] = static_cast<double>(peak - before) * 1024 / fileBytes;
}

BENCHMARK(BM_ListAndCompileRecordIni)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
