// Splits tarvikctl's arguments into options, parsed as the windowed program parses them, and
// the command with its words.
#include "cli/CliOptions.h"

namespace tarvik::cli {

ParseResult parseCommandLine(const std::vector<std::string>& args) {
    std::vector<std::string> optionArgs;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A command's own options ("emulate --sensor 2", "set button --mode B ...", "--apply")
        // stay with its words, and so does the key named "-".
        const bool takesValue = arg == "--sensor" || arg == "--layout" || arg == "--mode";
        const bool commandWord = !positional.empty() && (takesValue || arg == "--apply" || arg == "-");
        if (arg.empty() || arg[0] != '-' || commandWord) {
            positional.push_back(arg);
            if (commandWord && takesValue && i + 1 < args.size()) positional.push_back(args[++i]);
            continue;
        }
        optionArgs.push_back(arg);
        // "--data-dir DIR" and "--wire-log FILE" take the next word as their value.
        if ((arg == "--data-dir" || arg == "--wire-log") && i + 1 < args.size()) optionArgs.push_back(args[++i]);
    }
    AppOptionsResult parsed = parseAppOptions(optionArgs, "tarvikctl");
    if (!parsed.options) return {std::nullopt, parsed.error};
    CliOptions options;
    static_cast<AppOptions&>(options) = *parsed.options;
    if (!positional.empty()) {
        options.command = positional.front();
        options.words.assign(positional.begin() + 1, positional.end());
    }
    return {options, {}};
}

}  // namespace tarvik::cli
