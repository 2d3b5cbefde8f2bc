// A full ApplySettings in real time against the simulated mouse: the protocol's pauses add up
// to 249 ms, and the wall time should stay within 3 % of that (counter wall_per_249ms <= 1.03).
#include <benchmark/benchmark.h>

#include <chrono>

#include "device/Discovery.h"
#include "device/Handshake.h"
#include "device/Sequences.h"
#include "platform/linux/SystemClock.h"
#include "simulator/SimulatorBackend.h"

namespace {

using namespace tarvik;

class QuietSink : public platform::UserSink {
public:
    void message(const std::string&, const std::string&) override {}
    void notice(int, int) override {}
};

void BM_ApplySettings(benchmark::State& state) {
    simulator::SimulatorBackend backend;
    platform::SystemClock clock;
    QuietSink sink;
    DeviceLink link;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};
    if (!FindMouse(link, backend, sink)) {
        state.SkipWithError("the simulated mouse was not found");
        return;
    }
    Handshake(link, clock, sink);
    ConfigRecord record;
    record.reportRateCode = 1;
    record.dpiEnabled = {1, 1, 1, 1};
    std::chrono::duration<double> total{0};
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        ApplySettings(ctx, record, [] {});
        total += std::chrono::steady_clock::now() - start;
        backend.mouse().clearRecords();
    }
    const double perRun = total.count() / static_cast<double>(state.iterations());
    state.counters["wall_per_249ms"] = perRun / (kApplySettingsPauseMs / 1000.0);
}

BENCHMARK(BM_ApplySettings)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20)->Repetitions(3);

}  // namespace

BENCHMARK_MAIN();
