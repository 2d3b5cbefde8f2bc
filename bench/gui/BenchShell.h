// The main window on the simulated mouse with the real data files and skins, for benchmarks.
#pragma once

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/fake/SimulatedShell.h"
#include "platform/linux/SystemClock.h"

namespace tarvik::bench {

inline const std::filesystem::path kShare = TARVIK_BENCH_SHARE_DIR;

struct BenchShell : SimulatedShell {
    // Real protocol pauses, as the program has them.
    explicit BenchShell(const std::filesystem::path& dataDir)
        : SimulatedShell(std::make_unique<platform::SystemClock>()) {
        std::filesystem::create_directories(dataDir);
        std::filesystem::copy_file(kShare / "config.bin", dataDir / "config.bin",
                                   std::filesystem::copy_options::overwrite_existing);
        build(dataPathsIn(dataDir), kShare / "Skins");
    }
};

inline long peakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

inline long rssKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace tarvik::bench
