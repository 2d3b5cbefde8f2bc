// The rows of tarvikctl's commands, options and exit codes, and the help written from them.
#include "cli/CommandTable.h"

#include <array>

#include "cli/Commands.h"
#include "session/HelpLayout.h"

namespace tarvik::cli {
namespace {

constexpr std::array<CommandDoc, 18> kCommandDocs{{
    {"status", "", "find the mouse, print its connection, scrambling, sensor type, report lengths",
     "Find the mouse, run the handshake and print the connection, the scrambling, the sensor type and the report "
     "lengths. Exit code 3 when no mouse answers, 4 when the mouse is connected but this user may not open it."},
    {"apply", "", "write config.bin to the mouse as OK does (pointer settings untouched)",
     "Load config.bin, synchronise the sensor settings and write the whole configuration to the mouse as OK does, "
     "then save config.bin and the captions. The desktop's pointer settings are not touched."},
    {"listen", "", "print each notice of the mouse until interrupted (Ctrl+C)",
     "Print each notice of the mouse (DPI stage, report rate, key matrix, macro switched on the mouse; mouse found "
     "or lost) as its English text until Ctrl+C. With --simulate, `tarvikctl press` from another terminal makes "
     "the mouse send events."},
    {"show", "", "print config.bin: buttons, DPI stages, report rate, lighting, macros",
     "Print config.bin in readable form: the buttons of both key modes, the DPI stages, the report rate, the "
     "lighting and the macro slots, in the interface language. Creates no file: before the first run it shows the "
     "factory settings."},
    {"macros", "", "list the macros of record.ini with their line counts",
     "List the macros of record.ini in store order with their line counts."},
    {"compile", "", "compile record.ini into the macro slots of config.bin and print them",
     "Compile record.ini into the macro slots of config.bin, save it and print each slot's 128 bytes in hex."},
    {"captions", "", "print the 24 button captions of the interface language from str.ini",
     "Print the 24 button captions of the interface language (str.ini)."},
    {"set", "report-rate 125|250|500|1000", "set the report rate in Hz",
     "Set the report rate, in Hz. Each form of set changes config.bin (and a button's caption in str.ini) by the "
     "rules of the Basic page."},
    {"set", "dpi STAGE [on|off] [DPI] [#RRGGBB]", "switch a DPI stage on or off, set its DPI and color",
     "Switch DPI stage STAGE (1-4) on or off and set its DPI and its color. DPI takes the values of the sensor "
     "type the mouse reports, or of the record's when no mouse answers. The color is '#RRGGBB' in quotes (an "
     "unquoted # starts a comment in the shell) or the six hex digits alone. The last stage on cannot be switched "
     "off."},
    {"set", "button [--mode A|B] N FUNCTION [ARGS...]", "give button N a function of the button list",
     "Give button N (1-7, the buttons with a box on the Basic page) of key mode A (the default) or B a "
     "function, by its list label in any case: \"Left Click\", \"Single Key\" KEY, \"Combo Key\" [MODIFIER] KEY "
     "[KEY] (\"Combo Key\" \"Left Ctrl\" A), \"Fire Key\" KEY [SPEED [COUNT]], Multimedia ITEM, Windows ITEM, "
     "\"DPI Switch\" ACTION, \"Macro Key\" NAME|NUMBER [REPEAT 1-3], or any other label alone. The rules "
     "of the Basic page for the left button and for Shift hold, with their messages; a choice they refuse changes "
     "nothing and exits with code 2."},
    {"set", "key-mode A|B", "choose the key mode the mouse starts in", "Choose the key mode the mouse starts in."},
    {"set", "lighting MODE [PARAMETER] [EFFECT]", "set the lighting mode, its parameter and effect",
     "Set the lighting mode with the parameter and the effect the mode offers, each by its text in the Basic "
     "page's lists (in English or the interface language)."},
    {"default", "buttons", "give every button of both modes its factory function",
     "Give every button of both key modes its factory function and caption, as the Basic page's Default does."},
    {"export", "[FILE]", "write config.bin as a JSON document (to standard output without FILE)",
     "Write the whole record of config.bin as a readable, versioned JSON document to FILE, or to standard output "
     "without FILE. Every field is named; the bytes no field names are kept as hex, so nothing is lost."},
    {"import", "FILE", "read a JSON document back into config.bin",
     "Read a document written by export back into config.bin. Every field is checked against the rules and ranges "
     "first; a bad document is refused with the field's path and the reason (exit code 2), and config.bin is left "
     "untouched."},
    {"press", "dpi|rate|matrix|macro VALUE", "make a running `tarvik --simulate` send an event",
     "Make a running `tarvik --simulate` (or `tarvikctl --simulate listen`, or `tarvikctl emulate`) send an event "
     "report: dpi 1-4, rate 1|2|4|8, matrix 1|2, macro 1-12."},
    {"emulate", "", "create the mouse as kernel HID devices through /dev/uhid (root)",
     "Create the mouse as kernel HID devices through /dev/uhid (needs root and the uhid module), driven by the same "
     "firmware as --simulate. tarvik and tarvikctl without --simulate then find it through /dev/hidraw and udev.\n"
     "`tarvikctl press` sends event reports; kill -USR1 unplugs, kill -USR2 plugs back in; Ctrl+C or SIGTERM removes "
     "the devices. --wire-log FILE records what the firmware sees, and the settings it holds when it ends (a STATE "
     "line)."},
    {"help", "[COMMAND]", "print this help, or the help of COMMAND", "Print this help, or the help of COMMAND."},
}};

constexpr std::array<CommandOption, 5> kCommandOptions{{
    {"set", "", {"--apply", "", "write the changed record to the mouse in the same run"}},
    {"set", "button", {"--mode", "A|B", "set button: the key mode whose button changes (default A)"}},
    {"default", "", {"--apply", "", "write the restored buttons to the mouse in the same run"}},
    {"emulate", "", {"--sensor", "SENSOR", "sensor type 0-3 (default 0)"}},
    {"emulate",
     "",
     {"--layout", "split|composite",
      "split: the command and event collections as two devices (default); composite: a boot mouse, a keyboard "
      "interface that shares its node with the event collection, and the command collection"}},
}};

constexpr std::array<ExitDoc, 5> kExitDocs{{
    {kExitOk, "done"},
    {kExitFailed,
     "failed: a file could not be loaded or saved, or the mouse stopped answering (the message says what and why)"},
    {kExitUsage, "wrong usage, or a setting or document the rules refuse"},
    {kExitNoMouse, "no mouse: none is connected, or it did not answer"},
    {kExitMouseNotOpenable,
     "the mouse is connected, but this user may not open its /dev/hidraw nodes: install the udev rule "
     "\"70-tarvik.rules\" and plug the mouse in again"},
}};

}  // namespace

std::span<const CommandDoc> commandDocs() { return kCommandDocs; }
std::span<const CommandOption> commandOptions() { return kCommandOptions; }
std::span<const ExitDoc> exitDocs() { return kExitDocs; }

std::string ctlSynopsis() { return "tarvikctl " + synopsisOptions(globalOptions()) + " COMMAND [ARGS]"; }

std::string commandTerm(const CommandDoc& row) {
    return row.arguments.empty() ? std::string(row.name) : std::string(row.name) + ' ' + std::string(row.arguments);
}

std::string commandOptionList(std::string_view command) {
    std::string text;
    for (const auto& row : kCommandOptions) {
        if (row.command != command) continue;
        text += termLine(optionTerm(row.option), row.option.text);
    }
    return text;
}

std::string usageText() {
    std::string text = "usage: " + ctlSynopsis() + '\n' + wrapText(kCtlSummary, 0) + "commands:\n";
    for (const auto& row : kCommandDocs) text += termLine(commandTerm(row), row.summary);
    text += "options:\n" + optionList(globalOptions());
    std::string_view command;
    for (const auto& row : kCommandOptions) {
        if (row.command == command) continue;
        command = row.command;
        text += std::string(command) + " options:\n" + commandOptionList(command);
    }
    return text + wrapText(kCtlHelpHint, 0);
}

std::string commandHelp(std::string_view command) {
    std::string text;
    for (const auto& row : kCommandDocs) {
        if (row.name != command) continue;
        text += "tarvikctl " + commandTerm(row) + '\n' + wrapText(row.description, 4);
    }
    if (const std::string options = commandOptionList(command); !text.empty() && !options.empty())
        text += "options:\n" + options;
    return text;
}

}  // namespace tarvik::cli
