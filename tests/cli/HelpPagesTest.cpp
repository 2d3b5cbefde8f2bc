// The help the programs print and the manual pages written at build time say the same: the
// same synopsis, commands and options with the same texts. Every documented option is one the
// parsers take, and the help's layout keeps words whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CommandTable.h"
#include "cli/Commands.h"
#include "session/AppOptions.h"
#include "session/HelpLayout.h"

namespace {

using namespace tarvik;

struct Entry {
    std::string heading;  // "commands", "options", "set options"
    std::string term;
    std::string text;  // runs of white space made one space

    bool operator==(const Entry&) const = default;
};

std::ostream& operator<<(std::ostream& os, const Entry& e) {
    return os << '{' << e.heading << " | " << e.term << " | " << e.text << '}';
}

std::string squeezed(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == ' ' || c == '\n') {
            if (!out.empty() && out.back() != ' ') out += ' ';
        } else {
            out += c;
        }
    }
    if (!out.empty() && out.back() == ' ') out.pop_back();
    return out;
}

std::string lowercase(std::string text) {
    for (auto& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// A roff text line as printed: font changes dropped, escapes turned back into their characters.
std::string deroff(std::string_view line) {
    static const std::vector<std::pair<std::string_view, std::string_view>> escapes = {
        {"\\fB", ""},  {"\\fI", ""},   {"\\fR", ""},   {"\\&", ""},    {"\\-", "-"},
        {"\\e", "\\"}, {"\\(aq", "'"}, {"\\(ga", "`"}, {"\\(dq", "\""}};
    std::string out;
    for (std::size_t i = 0; i < line.size();) {
        bool matched = false;
        for (const auto& [escape, text] : escapes) {
            if (line.substr(i, escape.size()) != escape) continue;
            out += text;
            i += escape.size();
            matched = true;
            break;
        }
        if (!matched) out += line[i++];
    }
    return out;
}

struct ManPage {
    std::vector<std::string> synopsis;
    std::string name;
    std::vector<Entry> entries;  // headings: the section in lower case, or the subsection
};

ManPage readManPage(const std::string& file) {
    std::ifstream in(std::string(TARVIK_MAN_DIR) + "/" + file);
    EXPECT_TRUE(in) << "no " << file << " in " << TARVIK_MAN_DIR;
    ManPage page;
    std::string line, section, heading;
    bool termNext = false;
    while (std::getline(in, line)) {
        if (line.starts_with(".SH ") || line.starts_with(".SS ")) {
            heading = line.substr(4);
            if (heading.front() == '"') heading = heading.substr(1, heading.size() - 2);
            if (line.starts_with(".SH ")) section = heading;
            heading = lowercase(heading);
        } else if (line == ".TP") {
            termNext = true;
        } else if (line.starts_with(".")) {
            if (line == ".PP") heading.clear();  // text after a list belongs to no entry
        } else if (section == "NAME") {
            page.name = deroff(line);
        } else if (section == "SYNOPSIS") {
            page.synopsis.push_back(deroff(line));
        } else if (termNext) {
            page.entries.push_back({heading, deroff(line), ""});
            termNext = false;
        } else if (!page.entries.empty() && !heading.empty() && page.entries.back().heading == heading) {
            page.entries.back().text = squeezed(page.entries.back().text + ' ' + deroff(line));
        }
    }
    return page;
}

struct Help {
    std::vector<std::string> lines;
    std::vector<Entry> entries;
};

// A help text's headings ("options:") and their two-column entries, wrapped lines joined.
Help readHelp(const std::string& text) {
    Help help;
    std::istringstream in(text);
    std::string line, heading;
    while (std::getline(in, line)) {
        help.lines.push_back(line);
        if (!line.starts_with(' ')) {
            heading = line.ends_with(':') ? line.substr(0, line.size() - 1) : std::string();
        } else if (!line.starts_with(std::string(kHelpTermIndent + 1, ' '))) {
            const std::size_t gap = line.find("  ", kHelpTermIndent);
            help.entries.push_back({heading, line.substr(kHelpTermIndent, gap - kHelpTermIndent),
                                    gap == std::string::npos ? "" : squeezed(line.substr(gap))});
        } else if (!help.entries.empty()) {
            help.entries.back().text = squeezed(help.entries.back().text + ' ' + line);
        }
    }
    return help;
}

std::vector<Entry> under(const std::vector<Entry>& entries, std::string_view suffix) {
    std::vector<Entry> found;
    for (const auto& e : entries)
        if (e.heading.ends_with(suffix)) found.push_back(e);
    return found;
}

std::string printed(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const auto parsed = cli::parseCommandLine(args);
    EXPECT_TRUE(parsed.options) << parsed.error;
    EXPECT_EQ(cli::runCommand(*parsed.options, out, err), cli::kExitOk) << err.str();
    return out.str();
}

TEST(HelpPages, TarvikctlManualSaysWhatHelpSays) {
    const Help help = readHelp(printed({"--help"}));
    const ManPage page = readManPage("tarvikctl.1");
    ASSERT_GE(help.lines.size(), 2u);
    EXPECT_EQ(help.lines[0], "usage: " + page.synopsis.at(0));
    EXPECT_EQ(page.name, "tarvikctl - " + help.lines[1]);
    EXPECT_EQ(under(page.entries, "options"), under(help.entries, "options"));

    // The commands: the same forms in the same order; each form's text in the manual is what
    // `COMMAND --help` prints under it.
    const std::vector<Entry> commands = under(help.entries, "commands");
    const std::vector<Entry> manCommands = under(page.entries, "commands");
    ASSERT_EQ(commands.size(), manCommands.size());
    for (std::size_t i = 0; i < commands.size(); ++i) {
        SCOPED_TRACE(commands[i].term);
        EXPECT_EQ(manCommands[i].term, commands[i].term);
        const std::string command = commands[i].term.substr(0, commands[i].term.find(' '));
        const std::string commandHelp = printed({command, "--help"});
        const std::string title = "tarvikctl " + commands[i].term + '\n';
        const std::size_t at = commandHelp.find(title);
        ASSERT_NE(at, std::string::npos) << commandHelp;
        const std::size_t end = commandHelp.find("\ntarvikctl ", at + title.size());
        const std::string text =
            commandHelp.substr(at + title.size(), end == std::string::npos ? end : end - at - title.size());
        EXPECT_EQ(squeezed(text.substr(0, text.find("\noptions:"))), manCommands[i].text);
    }
}

TEST(HelpPages, TarvikManualSaysWhatHelpSays) {
    const Help help = readHelp(appUsage());
    const ManPage page = readManPage("tarvik.1");
    ASSERT_GE(help.lines.size(), 2u);
    EXPECT_EQ(help.lines[0], "usage: " + page.synopsis.at(0));
    EXPECT_EQ(page.name, "tarvik - " + help.lines[1]);
    EXPECT_EQ(under(page.entries, "options"), under(help.entries, "options"));
    EXPECT_FALSE(under(help.entries, "options").empty());
}

// A documented option the parser refused, or took as a command word, would be a help that lies.
TEST(HelpPages, EveryDocumentedOptionIsOneTheParsersTake) {
    for (const auto& row : kSharedOptions) {
        SCOPED_TRACE(row.name);
        std::vector<std::string> args{std::string(row.name)};
        if (takesNextWord(row)) args.push_back("1");
        EXPECT_TRUE(parseAppOptions(args).options);
        args.push_back("status");
        const auto parsed = cli::parseCommandLine(args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->command, "status");
        EXPECT_TRUE(parsed.options->words.empty());
    }
    for (const auto& row : cli::commandOptions()) {
        SCOPED_TRACE(row.option.name);
        std::vector<std::string> args{std::string(row.command), std::string(row.option.name)};
        if (takesNextWord(row.option)) args.push_back("1");
        const auto parsed = cli::parseCommandLine(args);
        ASSERT_TRUE(parsed.options) << parsed.error;
        EXPECT_EQ(parsed.options->words, std::vector<std::string>(args.begin() + 1, args.end()));
    }
}

// The press kinds its synopsis lists (and the completions offer) are those press takes: with a
// value no kind takes, press names the kind's values instead of calling it no kind (and so
// sends nothing to a simulated mouse that may be running).
TEST(HelpPages, PressKindsOfTheSynopsisArePressKinds) {
    const auto docs = cli::commandDocs();
    const auto row = std::ranges::find(docs, std::string_view("press"), &cli::CommandDoc::name);
    ASSERT_NE(row, docs.end());
    std::string kinds(row->arguments.substr(0, row->arguments.find(' ')));
    std::ranges::replace(kinds, '|', ' ');
    std::istringstream words(kinds);
    for (std::string kind; words >> kind;) {
        SCOPED_TRACE(kind);
        const auto parsed = cli::parseCommandLine({"press", kind, "0"});
        ASSERT_TRUE(parsed.options);
        std::ostringstream out, err;
        EXPECT_EQ(cli::runCommand(*parsed.options, out, err), cli::kExitUsage);
        EXPECT_TRUE(err.str().starts_with("tarvikctl: " + kind + " takes ")) << err.str();
    }
}

TEST(HelpLayout, WrapsAtWordsAndKeepsLongTermsOnTheirOwnLine) {
    const std::string longWord(kHelpWidth + 5, 'x');
    struct Case {
        std::string text;
        std::size_t indent;
        std::string wrapped;
    };
    const std::vector<Case> cases = {
        {"one two", 4, "    one two\n"},
        {"one\ntwo", 2, "  one\n  two\n"},
        {"a " + longWord + " b", 0, "a\n" + longWord + "\nb\n"},
        {std::string(kHelpWidth - 4, 'y') + " zzzz", 0, std::string(kHelpWidth - 4, 'y') + "\nzzzz\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(wrapText(c.text, c.indent), c.wrapped);
    }
    const std::string pad(kHelpTextColumn, ' ');
    EXPECT_EQ(termLine("--apply", "text"), "  --apply" + std::string(kHelpTextColumn - 9, ' ') + "text\n");
    const std::string term(kHelpTextColumn, 't');
    EXPECT_EQ(termLine(term, "text"), "  " + term + '\n' + pad + "text\n");
}

}  // namespace
