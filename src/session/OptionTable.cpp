// Help text of option rows.
#include "session/OptionTable.h"

#include "session/HelpLayout.h"

namespace tarvik {

std::string optionTerm(const OptionRow& row) {
    std::string term(row.name);
    if (!row.argument.empty() && row.argument.front() != '[') term += ' ';
    term += row.argument;
    return term;
}

bool takesNextWord(const OptionRow& row) { return !row.argument.empty() && row.argument.front() != '['; }

std::string synopsisOptions(std::span<const OptionRow> rows) {
    std::string text;
    for (const auto& row : rows) {
        if (row.name == "--help") continue;
        if (!text.empty()) text += ' ';
        text += '[' + optionTerm(row) + ']';
    }
    return text;
}

std::string optionList(std::span<const OptionRow> rows) {
    std::string text;
    for (const auto& row : rows) text += termLine(optionTerm(row), row.text);
    return text;
}

}  // namespace tarvik
