// The event-line grammar of a macro: "A   Dn" and "A   Up" press and release lines, "50 ms"
// delay lines, and the mouse events the editor offers.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

inline constexpr std::string_view kPressSuffix = "   Dn";
inline constexpr std::string_view kReleaseSuffix = "   Up";
inline constexpr std::string_view kDelaySuffix = " ms";
inline constexpr std::string_view kClickSuffix = " Click";
// The recorder and the editor write every pause they add as 50 ms.
inline constexpr int kDefaultPauseMs = 50;
// Limits of a pause entered in the delay dialog.
inline constexpr int kMinEnteredPauseMs = 20;
inline constexpr int kMaxEnteredPauseMs = 10000;

// The entries of "Insert A Mouse Event", in order; a " Click" entry is a press and a release.
inline constexpr std::array<std::string_view, 9> mouseEventChoices = {
    "L-Button Click", "R-Button Click", "M-Button Click", "L-Button   Dn", "L-Button   Up",
    "R-Button   Dn",  "R-Button   Up",  "M-Button   Dn",  "M-Button   Up",
};

std::string pressLine(std::string_view name);
std::string releaseLine(std::string_view name);
std::string delayLine(int milliseconds);  // "%d ms"

struct MacroEvent {
    std::string name;
    bool release = false;
    bool operator==(const MacroEvent&) const = default;
};

// A line holding "   Dn" is a press of the line with every "   Dn" removed; otherwise one
// holding "   Up" is a release likewise; any other line is no event.
std::optional<MacroEvent> eventOfLine(std::string_view line);
// The editor's test for a delay line: the text holds "ms".
bool isDelayLine(std::string_view line);
// The pause a line gives to the event before it: its leading decimal value once every " ms"
// is removed; an event line, other text or a negative value gives 0.
int pauseOfLine(std::string_view line);

bool isClickChoice(std::string_view choice);
// The press and release lines of a " Click" choice ("L-Button Click" gives "L-Button   Dn"
// and "L-Button   Up").
std::array<std::string, 2> expandClick(std::string_view choice);

// The delay line of a value entered in the delay dialog: below 20 gives "20 ms", above
// 10000 gives "10000 ms", otherwise the digits as typed ("0150" stays "0150 ms").
std::string delayLineFromEntry(int value, std::string_view digits);

}  // namespace tarvik
