// The fixed word lists the shell completions offer (function labels, key names, list texts),
// taken from the program's own tables, and which lists follow each button function.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tarvik::cli {

struct WordList {
    std::string name;  // "functions", "keys", "parameters-standard", ...
    std::vector<std::string> words;
};

// Every fixed list; "macros" is not among them: macro names are the user's, read from
// record.ini when completing.
std::vector<WordList> wordLists();

// The list that completes each word after a button function's label ("keys" after "Single
// Key"), up to three; "macros" for the macro key.
struct FunctionArguments {
    std::string_view label;
    std::vector<std::string_view> lists;
};
std::vector<FunctionArguments> functionArguments();

}  // namespace tarvik::cli
