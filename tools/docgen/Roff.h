// Writing roff for manual pages: text escaped so groff prints it as written.
#pragma once

#include <string>
#include <string_view>

namespace tarvik::docgen {

// `text` with roff's special characters escaped: backslash, hyphen-minus (so options stay
// copyable), the quotes groff would curl, and a leading '.' or '\'' that would start a request.
std::string roffEscape(std::string_view text);
// A term line of a list: its first word bold, the rest roman.
std::string roffTerm(std::string_view term);
// A paragraph per '\n'-separated part of `text`: the first as is, each later one after `.IP`.
std::string roffParagraphs(std::string_view text);

}  // namespace tarvik::docgen
