// Command line of tarvikctl: the options every command takes (as the windowed program takes
// them), the command and the words that follow it.
#pragma once

#include <string>
#include <vector>

#include "session/AppOptions.h"

namespace tarvik::cli {

struct CliOptions : AppOptions {
    std::string command;
    std::vector<std::string> words;  // what follows the command
};

struct ParseResult {
    std::optional<CliOptions> options;
    std::string error;  // set when options is empty: what is wrong and how to fix it
};

// Options may stand before or after the command.
ParseResult parseCommandLine(const std::vector<std::string>& args);

}  // namespace tarvik::cli
