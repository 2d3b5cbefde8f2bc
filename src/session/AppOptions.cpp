// Parsing of tarvik's few options, and its help written from the shared option table.
#include "session/AppOptions.h"

#include <charconv>
#include <string_view>

#include "session/HelpLayout.h"
#include "session/OptionTable.h"

namespace tarvik {

std::string appSynopsis() { return "tarvik " + synopsisOptions(kSharedOptions); }

std::string appUsage() {
    return "usage: " + appSynopsis() + "\n" + wrapText(kAppSummary, 0) + "options:\n" + optionList(kSharedOptions) +
           wrapText(kAppNotes, 0);
}

namespace {

std::optional<std::string> valueOf(const std::vector<std::string>& args, std::size_t& i, std::string_view name) {
    const std::string& arg = args[i];
    if (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=')
        return arg.substr(name.size() + 1);
    if (arg == name && i + 1 < args.size()) return args[++i];
    return std::nullopt;
}

bool isOption(const std::string& arg, std::string_view name) {
    return arg == name ||
           (arg.size() > name.size() && arg.compare(0, name.size(), name) == 0 && arg[name.size()] == '=');
}

}  // namespace

AppOptionsResult parseAppOptions(const std::vector<std::string>& args, std::string_view program) {
    AppOptions options;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--help" || arg == "-h") {
            options.help = true;
        } else if (arg == "--simulate") {
            options.simulateSensor = 0;
        } else if (isOption(arg, "--simulate")) {
            std::string_view text = std::string_view(arg).substr(11);
            int sensor = -1;
            auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), sensor);
            if (ec != std::errc() || end != text.data() + text.size() || sensor < 0 || sensor > 3)
                return {std::nullopt, "--simulate takes a sensor type from 0 to 3, e.g. --simulate=1"};
            options.simulateSensor = sensor;
        } else if (isOption(arg, "--data-dir")) {
            auto value = valueOf(args, i, "--data-dir");
            if (!value || value->empty()) return {std::nullopt, "--data-dir needs a folder, e.g. --data-dir ~/tarvik"};
            options.dataDir = *value;
        } else if (isOption(arg, "--wire-log")) {
            auto value = valueOf(args, i, "--wire-log");
            if (!value || value->empty())
                return {std::nullopt, "--wire-log needs a file name, e.g. --wire-log wire.txt"};
            options.wireLog = *value;
        } else {
            return {std::nullopt, "unknown argument '" + arg + "' (see " + std::string(program) + " --help)"};
        }
    }
    return {options, {}};
}

}  // namespace tarvik
