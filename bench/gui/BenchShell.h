// The main window on the simulated mouse with the real data files and skins, for benchmarks.
#pragma once

#include <QApplication>

#include <filesystem>
#include <memory>

#include "../ProcessMemory.h"
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

}  // namespace tarvik::bench
