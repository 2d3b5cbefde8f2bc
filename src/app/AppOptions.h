// Command line of `tarvik`: --simulate[=SENSOR], --data-dir DIR, --wire-log FILE, as tarvikctl
// takes them.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
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

AppOptionsResult parseAppOptions(const std::vector<std::string>& args);
extern const char* const kAppUsage;

}  // namespace tarvik
