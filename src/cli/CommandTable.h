// tarvikctl's commands as data: `--help`, `COMMAND --help`, the manual page and the shell
// completions are all written from these rows, so none of them can say something the others do not.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "session/OptionTable.h"

namespace tarvik::cli {

struct CommandDoc {
    std::string_view name;         // the word that chooses the command: "set"
    std::string_view arguments;    // what follows it: "report-rate 125|250|500|1000"
    std::string_view summary;      // one line for the command list of --help
    std::string_view description;  // COMMAND --help and the manual page; '\n' parts paragraphs
};

// An option only some commands take ("set --apply"); `sub` narrows it to one form of the
// command ("button" for set button), empty for all of them.
struct CommandOption {
    std::string_view command;
    std::string_view sub;
    OptionRow option;
};

struct ExitDoc {
    int code;
    std::string_view meaning;
};

// Every command in the order --help lists them; a command written in several forms ("set")
// has one row per form, one after the other.
std::span<const CommandDoc> commandDocs();
std::span<const CommandOption> commandOptions();
std::span<const ExitDoc> exitDocs();
// The options every command takes: the windowed program's.
inline std::span<const OptionRow> globalOptions() { return kSharedOptions; }

inline constexpr std::string_view kCtlSummary = "configure the Tarvik gaming mouse (04D9:A09F) from the command line";
inline constexpr std::string_view kCtlHelpHint = "`tarvikctl COMMAND --help` explains one command.";

// "tarvikctl [--simulate[=SENSOR]] ... COMMAND [ARGS]".
std::string ctlSynopsis();
// "set report-rate 125|250|500|1000": a command row as its synopsis says it.
std::string commandTerm(const CommandDoc& row);
// The options `command` takes beyond the global ones, as a help list; empty when none.
std::string commandOptionList(std::string_view command);
// What `tarvikctl --help` prints.
std::string usageText();
// What `tarvikctl COMMAND --help` prints; empty when no documented command has that name.
std::string commandHelp(std::string_view command);

}  // namespace tarvik::cli
