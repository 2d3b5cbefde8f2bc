// Command line of `tarvik`: --simulate[=SENSOR], --data-dir DIR, --wire-log FILE, as tarvikctl
// takes them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

struct AppOptions {
    std::optional<int> simulateSensor;  // 0-3 with --simulate
    std::optional<std::filesystem::path> dataDir;
    std::optional<std::filesystem::path> wireLog;
    bool help = false;
};

struct AppOptionsResult {
    std::optional<AppOptions> options;
    std::string error;  // what is wrong and how to fix it, when options is empty
};

// `program` names the program whose help an unknown argument points to.
AppOptionsResult parseAppOptions(const std::vector<std::string>& args, std::string_view program = "tarvik");

// What tarvik is, in one line, and what its help says after the options.
inline constexpr std::string_view kAppSummary = "configure the Tarvik gaming mouse (04D9:A09F) in a window";
inline constexpr std::string_view kAppNotes =
    "With --simulate, `tarvikctl press dpi N | rate CODE | matrix N | macro N` makes the simulated mouse send "
    "that event to the running program.";
// "tarvik [--simulate[=SENSOR]] ...": the synopsis of the help and the manual page.
std::string appSynopsis();
// What `tarvik --help` prints, written from kSharedOptions.
std::string appUsage();

}  // namespace tarvik
