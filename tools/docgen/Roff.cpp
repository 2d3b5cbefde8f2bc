// Roff escaping for the manual pages.
#include "Roff.h"

namespace tarvik::docgen {

std::string roffEscape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '\\': out += "\\e"; break;
        case '-': out += "\\-"; break;
        case '\'': out += "\\(aq"; break;
        case '`': out += "\\(ga"; break;
        case '"': out += "\\(dq"; break;
        default: out += c;
        }
    }
    if (!out.empty() && out.front() == '.') out.insert(0, "\\&");
    return out;
}

std::string roffTerm(std::string_view term) {
    const std::size_t space = term.find(' ');
    std::string out = "\\fB" + roffEscape(term.substr(0, space)) + "\\fR";
    if (space != std::string_view::npos) out += roffEscape(term.substr(space));
    return out;
}

std::string roffParagraphs(std::string_view text) {
    std::string out;
    for (bool first = true;; first = false) {
        const std::size_t end = text.find('\n');
        if (!first) out += ".IP\n";
        out += roffEscape(text.substr(0, end)) + '\n';
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return out;
}

}  // namespace tarvik::docgen
