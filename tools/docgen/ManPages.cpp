// The two manual pages: the synopsis, commands, options and exit codes come from the tables
// the programs print their help from; the prose only a manual page carries is here.
#include "ManPages.h"

#include "Roff.h"
#include "cli/CommandTable.h"
#include "session/AppOptions.h"

namespace tarvik::docgen {
namespace {

constexpr std::string_view kFiles =
    ".TP\n\\fIconfig.bin\\fR\nThe mouse's settings: buttons of both key modes, DPI stages, report rate, lighting and "
    "the compiled macros. Made from the factory file in share/tarvik on the first run.\n"
    ".TP\n\\fIrecord.ini\\fR\nThe recorded macros, by name.\n"
    ".TP\n\\fIstr.ini\\fR\nThe interface language and the button captions.\n"
    ".PP\nThe files live in the folder given by \\fB\\-\\-data\\-dir\\fR; else beside the executable when it holds "
    "config.bin (a portable copy); else in \\fI$XDG_CONFIG_HOME/tarvik\\fR, or \\fI~/.config/tarvik\\fR when "
    "XDG_CONFIG_HOME is unset or not absolute.\n"
    ".TP\n\\fI/usr/lib/udev/rules.d/70\\-tarvik.rules\\fR\nLets the logged-in user open the mouse's /dev/hidraw "
    "nodes.\n";

constexpr std::string_view kCtlDescription =
    "\\fBtarvikctl\\fR works on the same core as the windowed program \\fBtarvik\\fR(1): it finds the mouse "
    "through /dev/hidraw and udev, and reads and writes the same data files, so a user without a desktop, or a "
    "script, can show, change and apply every setting.\n";

constexpr std::string_view kAppDescription =
    "\\fBtarvik\\fR sets the buttons, DPI stages, report rate, lighting and macros of the wired USB gaming mouse "
    "04D9:A09F, and shows a notification when they are switched on the mouse itself. It keeps running in the "
    "notification area when its window is closed.\n";

std::string header(std::string_view name, std::string_view upper, std::string_view version, std::string_view summary) {
    return ".TH " + std::string(upper) + " 1 \"\" \"Tarvik " + std::string(version) + "\" \"User Commands\"\n" +
           ".nh\n" + ".SH NAME\n" + std::string(name) + " \\- " + roffEscape(summary) + '\n';
}

std::string synopsis(std::string_view line) { return ".SH SYNOPSIS\n.nf\n" + roffTerm(line) + "\n.fi\n"; }

std::string optionEntries(std::span<const OptionRow> rows) {
    std::string out;
    for (const auto& row : rows) out += ".TP\n" + roffTerm(optionTerm(row)) + '\n' + roffParagraphs(row.text);
    return out;
}

std::string commandEntries() {
    std::string out = ".SH COMMANDS\n";
    for (const auto& row : cli::commandDocs())
        out += ".TP\n" + roffTerm(cli::commandTerm(row)) + '\n' + roffParagraphs(row.description);
    return out;
}

// The global options, then those of each command under its own heading, as --help lists them.
std::string ctlOptions() {
    std::string out = ".SH OPTIONS\n" + optionEntries(cli::globalOptions());
    std::string_view command;
    for (const auto& row : cli::commandOptions()) {
        if (row.command != command) {
            command = row.command;
            out += ".SS \"" + std::string(command) + " options\"\n";
        }
        out += optionEntries({&row.option, 1});
    }
    return out;
}

std::string exitStatus() {
    std::string out = ".SH EXIT STATUS\n";
    for (const auto& row : cli::exitDocs())
        out += ".TP\n\\fB" + std::to_string(row.code) + "\\fR\n" + roffParagraphs(row.meaning);
    return out;
}

}  // namespace

std::string tarvikManPage(std::string_view version) {
    return header("tarvik", "TARVIK", version, kAppSummary) + synopsis(appSynopsis()) + ".SH DESCRIPTION\n" +
           std::string(kAppDescription) + ".PP\n" + roffEscape(kAppNotes) + '\n' + ".SH OPTIONS\n" +
           optionEntries(kSharedOptions) + ".SH FILES\n" + std::string(kFiles) + ".SH SEE ALSO\n\\fBtarvikctl\\fR(1)\n";
}

std::string tarvikctlManPage(std::string_view version) {
    return header("tarvikctl", "TARVIKCTL", version, cli::kCtlSummary) + synopsis(cli::ctlSynopsis()) +
           ".SH DESCRIPTION\n" + std::string(kCtlDescription) + ".PP\n" + roffEscape(cli::kCtlHelpHint) + '\n' +
           commandEntries() + ctlOptions() + exitStatus() + ".SH FILES\n" + std::string(kFiles) +
           ".SH SEE ALSO\n\\fBtarvik\\fR(1)\n";
}

}  // namespace tarvik::docgen
