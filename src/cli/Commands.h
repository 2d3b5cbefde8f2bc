// The commands of tarvikctl. Each returns the process exit code: 0 done, 1 failed, 2 wrong
// usage, 3 no mouse detected, 4 the mouse is there but this user may not open it.
#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace tarvik::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr int kExitNoMouse = 3;
constexpr int kExitMouseNotOpenable = 4;

extern const char* const kUsage;

int runCommand(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarvik::cli
