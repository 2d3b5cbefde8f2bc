// Splits tarvikctl's arguments into options, parsed as the windowed program parses them, and
// the command with its words.
#include "cli/CliOptions.h"

#include <algorithm>

#include "cli/CommandTable.h"

namespace tarvik::cli {

namespace {

// The row of an option only `command` takes ("emulate --sensor"), or nullptr.
const OptionRow* commandOption(std::string_view command, std::string_view arg) {
    for (const auto& row : commandOptions())
        if (row.command == command && row.option.name == arg) return &row.option;
    return nullptr;
}

}  // namespace

ParseResult parseCommandLine(const std::vector<std::string>& args) {
    std::vector<std::string> optionArgs;
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        // A command's own options ("emulate --sensor 2") stay with its words, and so does the
        // key named "-".
        const OptionRow* own = positional.empty() ? nullptr : commandOption(positional.front(), arg);
        if (arg.empty() || arg[0] != '-' || own || (arg == "-" && !positional.empty())) {
            positional.push_back(arg);
            if (own && takesNextWord(*own) && i + 1 < args.size()) positional.push_back(args[++i]);
            continue;
        }
        optionArgs.push_back(arg);
        // "--data-dir DIR" and "--wire-log FILE" take the next word as their value.
        const auto shared = std::ranges::find(kSharedOptions, arg, &OptionRow::name);
        if (shared != kSharedOptions.end() && takesNextWord(*shared) && i + 1 < args.size())
            optionArgs.push_back(args[++i]);
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
