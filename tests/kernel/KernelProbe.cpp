// Helper of the kernel tests, run inside the test VM beside tarvikctl:
//   kernel_probe reference CONFIG SENSOR   what the in-process simulated firmware sees when
//                                          tarvikctl apply writes CONFIG, in the format of
//                                          `tarvikctl emulate --wire-log` (transfers, then STATE)
//   kernel_probe apply-ratio RUNS          ApplySettings on the mouse found through hidraw, in
//                                          real time, as a ratio to its pauses
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

#include "device/Discovery.h"
#include "device/Handshake.h"
#include "device/Sequences.h"
#include "device/WireLog.h"
#include "platform/fake/FakeClock.h"
#include "platform/linux/HidrawBackend.h"
#include "platform/linux/SystemClock.h"
#include "settings/ConfigFile.h"
#include "simulator/SimulatorBackend.h"

namespace {

using namespace tarvik;

class QuietSink : public platform::UserSink {
public:
    void message(const std::string& text, const std::string&) override { std::cerr << "message: " << text << '\n'; }
    void notice(int, int) override {}
};

// The device calls of `tarvikctl apply`: discovery, handshake, sensor sync, ApplySettings.
bool applyOnce(platform::HidBackend& backend, platform::Clock& clock, const ConfigRecord& record) {
    QuietSink sink;
    DeviceLink link;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};
    if (!FindMouse(link, backend, sink)) return false;
    Handshake(link, clock, sink);
    if (link.connected != 1) return false;
    SyncSensorSettings(ctx);
    ApplySettings(ctx, record, [] {});
    return true;
}

int reference(const std::string& config, int sensor) {
    QuietSink sink;
    ConfigFile file{config};
    ConfigRecord record;
    LoadConfig(file, record, sink);
    simulator::SimulatorBackend backend;
    backend.mouse().state().sensorSettings[0] = static_cast<std::uint8_t>(sensor);
    platform::FakeClock clock;
    if (!applyOnce(backend, clock, record)) return 1;
    WireLog log(std::cout);
    for (const auto& r : backend.mouse().wire())
        if (!r.bytes.empty()) log.report(simulator::wireKindName(r.kind), r.bytes);
    log.report("STATE", simulator::stateBytes(backend.mouse().state()));
    return 0;
}

int applyRatio(int runs) {
    platform::HidrawBackend backend;
    platform::SystemClock clock;
    QuietSink sink;
    DeviceLink link;
    DeviceImage image;
    DeviceContext ctx{link, clock, sink, image};
    if (!FindMouse(link, backend, sink)) return 1;
    Handshake(link, clock, sink);
    if (link.connected != 1) return 1;
    ConfigRecord record;
    record.reportRateCode = 1;
    record.dpiEnabled = {1, 1, 1, 1};
    std::chrono::duration<double> total{0};
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        ApplySettings(ctx, record, [] {});
        total += std::chrono::steady_clock::now() - start;
    }
    const double perRun = total.count() / runs;
    std::printf("ApplySettings through the kernel: %.0f ms per run, %.2f x its %u ms of pauses\n", perRun * 1000,
                perRun / (kApplySettingsPauseMs / 1000.0), kApplySettingsPauseMs);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    if (command == "reference" && argc == 4) return reference(argv[2], std::stoi(argv[3]));
    if (command == "apply-ratio" && argc == 3) return applyRatio(std::stoi(argv[2]));
    std::cerr << "usage: kernel_probe reference CONFIG SENSOR | apply-ratio RUNS\n";
    return 2;
}
