// The data part of the bash and zsh completion scripts: shell functions that hand out the
// word lists, the options, the subcommands and the argument slots of each command, written
// in the syntax both shells share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvik::docgen {

// `word` single-quoted for either shell.
std::string shellQuote(std::string_view word);

// The functions _tarvikctl_list, _tarvikctl_slots, _tarvikctl_option_value and
// _tarvikctl_function_args, each filling the array _tarvikctl_reply.
std::string completionData();

}  // namespace tarvik::docgen
