// The commands of tarvikctl. Each returns the process exit code: 0 done, 1 failed, 2 wrong
// usage, 3 no mouse detected, 4 the mouse is there but this user may not open it.
#pragma once

#include <functional>
#include <iosfwd>

#include "cli/CliOptions.h"

namespace tarvik::simulator {
class SimulatorBackend;
}

namespace tarvik::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoMouse = 3;
constexpr int kExitMouseNotOpenable = 4;

// Test seam: hands a test the simulated mouse of a command run with --simulate, once built.
struct CommandSeams {
    std::function<void(simulator::SimulatorBackend&)> simulator;
};

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err, const CommandSeams& seams = {});

}  // namespace tarvik::cli
