// The options both programs take, as data: their help, the manual pages and the shell
// completions are written from these rows.
#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace tarvik {

struct OptionRow {
    std::string_view name;      // "--data-dir"
    std::string_view argument;  // "DIR"; "[=SENSOR]" for an optional value; "" for none
    std::string_view text;      // what it does, one paragraph
};

inline constexpr std::array<OptionRow, 4> kSharedOptions{{
    {"--simulate", "[=SENSOR]", "use the built-in simulated mouse (sensor type 0-3, default 0)"},
    {"--data-dir", "DIR", "keep config.bin, str.ini and record.ini in DIR"},
    {"--wire-log", "FILE", "record every transfer and pause with the mouse in FILE"},
    {"--help", "", "print this help and exit; -h is the same"},
}};

// "--data-dir DIR", "--simulate[=SENSOR]": the option as its help lists it.
std::string optionTerm(const OptionRow& row);
// True when the option takes the next word as its value ("--data-dir DIR").
bool takesNextWord(const OptionRow& row);
// "[--simulate[=SENSOR]] [--data-dir DIR] ..." for a synopsis, --help left out.
std::string synopsisOptions(std::span<const OptionRow> rows);
// The rows as a two-column help list.
std::string optionList(std::span<const OptionRow> rows);

}  // namespace tarvik
