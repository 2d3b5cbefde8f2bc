// Shell data of the completions from the command table, the option tables and the word lists.
#include "CompletionData.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <utility>

#include "cli/CommandTable.h"
#include "cli/CompletionWords.h"

namespace tarvik::docgen {
namespace {

// What completes a placeholder of a synopsis or of an option's argument: a word-list name, "=a b"
// for fixed words, an "@" kind the script works out ("..." repeats the slot for every later
// word); a placeholder not here ("DPI", "#RRGGBB") completes nothing.
constexpr std::array<std::pair<std::string_view, std::string_view>, 11> kPlaceholders{{
    {"STAGE", "stages"},
    {"N", "buttons"},
    {"FUNCTION", "functions"},
    {"ARGS...", "@function-args..."},
    {"MODE", "light-modes"},
    {"PARAMETER", "@parameters"},
    {"EFFECT", "@effects"},
    {"FILE", "@file"},
    {"DIR", "@dir"},
    {"COMMAND", "commands"},
    {"SENSOR", "=0 1 2 3"},
}};

// The synopsis split into words, a bracketed group ("[--mode A|B]") kept as one.
std::vector<std::string_view> synopsisTokens(std::string_view text) {
    std::vector<std::string_view> tokens;
    std::size_t start = 0;
    int depth = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || (text[i] == ' ' && depth == 0)) {
            if (i > start) tokens.push_back(text.substr(start, i - start));
            start = i + 1;
        } else if (text[i] == '[') {
            ++depth;
        } else if (text[i] == ']') {
            --depth;
        }
    }
    return tokens;
}

std::string slotOf(std::string_view token) {
    if (token.size() >= 2 && token.front() == '[' && token.back() == ']') token = token.substr(1, token.size() - 2);
    if (token.find('|') != std::string_view::npos) {
        std::string words(token);
        std::ranges::replace(words, '|', ' ');
        return '=' + words;
    }
    for (const auto& [placeholder, slot] : kPlaceholders)
        if (placeholder == token) return std::string(slot);
    return {};
}

// True when every form of `command` starts with a fixed word ("set dpi", "default buttons").
bool hasSubcommands(std::string_view command) {
    bool any = false;
    for (const auto& row : cli::commandDocs()) {
        if (row.name != command) continue;
        const auto tokens = synopsisTokens(row.arguments);
        if (tokens.empty() || !std::ranges::all_of(tokens.front(), [](char c) {
                return std::islower(static_cast<unsigned char>(c)) || c == '-';
            }))
            return false;
        any = true;
    }
    return any;
}

std::string_view firstWord(std::string_view text) { return text.substr(0, text.find(' ')); }

std::string array(const std::vector<std::string>& words) {
    std::string out = "_tarvikctl_reply=(";
    for (std::size_t i = 0; i < words.size(); ++i) out += (i ? " " : "") + shellQuote(words[i]);
    return out + ")";
}

std::string caseEntry(std::string_view pattern, const std::vector<std::string>& words) {
    return "        " + shellQuote(pattern) + ") " + array(words) + " ;;\n";
}

std::string caseFunction(std::string_view name, const std::string& entries) {
    return std::string(name) + "() {\n    case $1 in\n" + entries +
           "        *) _tarvikctl_reply=() ;;\n    esac\n}\n\n";
}

std::vector<std::string> commandNames() {
    std::vector<std::string> names;
    for (const auto& row : cli::commandDocs())
        if (std::ranges::find(names, row.name) == names.end()) names.emplace_back(row.name);
    return names;
}

std::vector<std::string> optionNames(std::span<const OptionRow> rows) {
    std::vector<std::string> names;
    for (const auto& row : rows) names.emplace_back(row.name);
    return names;
}

// The lists: the fixed word lists, the commands, each command's options and subcommands.
std::string listFunction() {
    std::string entries;
    for (const auto& list : cli::wordLists()) entries += caseEntry(list.name, list.words);
    entries += caseEntry("commands", commandNames());
    entries += caseEntry("options", optionNames(cli::globalOptions()));
    std::vector<std::string> valued;
    for (const auto& row : cli::globalOptions())
        if (takesNextWord(row)) valued.emplace_back(row.name);
    for (const auto& command : commandNames()) {
        std::vector<std::string> own;
        for (const auto& row : cli::commandOptions()) {
            if (row.command != command) continue;
            own.emplace_back(row.option.name);
            if (takesNextWord(row.option)) valued.emplace_back(row.option.name);
        }
        if (!own.empty()) entries += caseEntry("options-" + command, own);
        if (!hasSubcommands(command)) continue;
        std::vector<std::string> subs;
        for (const auto& row : cli::commandDocs())
            if (row.name == command) subs.emplace_back(firstWord(row.arguments));
        entries += caseEntry("subcommands-" + command, subs);
    }
    entries += caseEntry("valued-options", valued);
    return caseFunction("_tarvikctl_list", entries);
}

std::string slotsFunction() {
    std::string entries;
    for (const auto& row : cli::commandDocs()) {
        auto tokens = synopsisTokens(row.arguments);
        std::string form(row.name);
        if (hasSubcommands(row.name)) {
            form += ' ' + std::string(tokens.front());
            tokens.erase(tokens.begin());
        }
        std::vector<std::string> slots;
        for (const auto token : tokens)
            if (!token.starts_with("[-")) slots.push_back(slotOf(token));
        entries += caseEntry(form, slots);
    }
    return caseFunction("_tarvikctl_slots", entries);
}

std::string optionValueFunction() {
    std::string entries;
    auto add = [&](const OptionRow& row) {
        std::string_view argument = row.argument;
        if (argument.starts_with("[=")) argument = argument.substr(2, argument.size() - 3);
        if (!argument.empty()) entries += caseEntry(row.name, {slotOf(argument)});
    };
    for (const auto& row : cli::globalOptions()) add(row);
    for (const auto& row : cli::commandOptions()) add(row.option);
    return caseFunction("_tarvikctl_option_value", entries);
}

std::string lowercase(std::string_view text) {
    std::string lower(text);
    std::ranges::transform(lower, lower.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Keyed by the label in lower case: labels are taken in any case.
std::string functionArgsFunction() {
    std::string entries;
    for (const auto& function : cli::functionArguments())
        entries += caseEntry(lowercase(function.label), {function.lists.begin(), function.lists.end()});
    return caseFunction("_tarvikctl_function_args", entries);
}

}  // namespace

std::string shellQuote(std::string_view word) {
    std::string out = "'";
    for (const char c : word) out += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return out + "'";
}

std::string completionData() {
    return listFunction() + slotsFunction() + optionValueFunction() + functionArgsFunction();
}

}  // namespace tarvik::docgen
