// Text helpers shared by the file formats and the editors: trimming blanks, and folding ASCII
// letter case the same way in every locale (UTF-8 bytes are left as they are).
#pragma once

#include <string>
#include <string_view>

namespace tarvik {

// Spaces, tabs, carriage returns, vertical tabs and form feeds.
constexpr std::string_view kBlanks = " \t\r\v\f";

bool isBlank(char c);
// The text without blanks at either end.
std::string_view trim(std::string_view text);
// The text without blanks at its start.
std::string_view trimStart(std::string_view text);

char asciiLower(char c);
std::string asciiLowered(std::string_view text);
// Equal once ASCII letters are folded.
bool equalsIgnoringCase(std::string_view a, std::string_view b);
// -1, 0 or 1: ASCII letters folded, other bytes ordered by their unsigned value, a text
// before every longer text it starts.
int compareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace tarvik
