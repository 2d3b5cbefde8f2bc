// tarvikctl emulate: the simulated firmware as kernel HID devices through /dev/uhid.
#pragma once

#include <iosfwd>

#include "cli/CliOptions.h"

namespace tarvik::cli {

// Runs until SIGINT or SIGTERM; SIGUSR1 unplugs the virtual mouse, SIGUSR2 plugs it back in.
int emulate(const CliOptions& options, std::ostream& out, std::ostream& err);

}  // namespace tarvik::cli
