// Terminal layout of help text: word wrapping and the term-and-text columns.
#include "session/HelpLayout.h"

namespace tarvik {
namespace {

// Appends one paragraph's lines; the first line continues `firstColumn` columns in when
// `firstColumn` says the caller already wrote that much of it.
void wrapParagraph(std::string& out, std::string_view paragraph, std::size_t indent, std::size_t firstColumn) {
    std::size_t column = firstColumn;
    bool lineEmpty = true;
    while (!paragraph.empty()) {
        const std::size_t start = paragraph.find_first_not_of(' ');
        if (start == std::string_view::npos) break;
        paragraph.remove_prefix(start);
        const std::size_t end = std::min(paragraph.find(' '), paragraph.size());
        const std::string_view word = paragraph.substr(0, end);
        paragraph.remove_prefix(end);
        if (!lineEmpty && column + 1 + word.size() > kHelpWidth) {
            out += '\n';
            column = 0;
            lineEmpty = true;
        }
        if (column < indent) {
            out.append(indent - column, ' ');
            column = indent;
        } else if (!lineEmpty) {
            out += ' ';
            ++column;
        }
        out += word;
        column += word.size();
        lineEmpty = false;
    }
    out += '\n';
}

void wrapInto(std::string& out, std::string_view text, std::size_t indent, std::size_t firstColumn) {
    for (bool first = true;; first = false) {
        const std::size_t end = text.find('\n');
        wrapParagraph(out, text.substr(0, end), indent, first ? firstColumn : 0);
        if (end == std::string_view::npos || end + 1 == text.size()) break;
        text.remove_prefix(end + 1);
    }
}

}  // namespace

std::string wrapText(std::string_view text, std::size_t indent) {
    std::string out;
    wrapInto(out, text, indent, 0);
    return out;
}

std::string termLine(std::string_view term, std::string_view text) {
    std::string out(kHelpTermIndent, ' ');
    out += term;
    std::size_t column = out.size();
    // A term that leaves fewer than two spaces before the text column gets its own line.
    if (column + 2 > kHelpTextColumn) {
        out += '\n';
        column = 0;
    }
    wrapInto(out, text, kHelpTextColumn, column);
    return out;
}

}  // namespace tarvik
