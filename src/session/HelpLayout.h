// Lays help text out for a terminal: paragraphs wrapped at a fixed width and two-column
// lists of terms (a command's synopsis, an option) with their text.
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

inline constexpr std::size_t kHelpWidth = 100;
inline constexpr std::size_t kHelpTermIndent = 2;
inline constexpr std::size_t kHelpTextColumn = 24;

// `text` wrapped at word boundaries into lines of at most kHelpWidth columns, each starting
// with `indent` spaces and ending in '\n'; a '\n' in `text` starts a new paragraph.
std::string wrapText(std::string_view text, std::size_t indent);

// One entry of a two-column list: the term indented by kHelpTermIndent and its text from
// kHelpTextColumn on, wrapped; a term too long for its column stands on a line of its own.
std::string termLine(std::string_view term, std::string_view text);

}  // namespace tarvik
