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
extern const char* const kAppUsage;

}  // namespace tarvik
