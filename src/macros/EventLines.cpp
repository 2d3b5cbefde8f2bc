// Building and reading event lines.
#include "macros/EventLines.h"

#include <algorithm>

#include "base/ProfileFile.h"

namespace tarvik {
namespace {

std::string removeAll(std::string_view text, std::string_view what) {
    std::string out;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what)) {
        out += text.substr(0, at);
        text.remove_prefix(at + what.size());
    }
    out += text;
    return out;
}

}  // namespace

std::string pressLine(std::string_view name) { return std::string(name) + std::string(kPressSuffix); }

std::string releaseLine(std::string_view name) { return std::string(name) + std::string(kReleaseSuffix); }

std::string delayLine(int milliseconds) { return std::to_string(milliseconds) + std::string(kDelaySuffix); }

std::optional<MacroEvent> eventOfLine(std::string_view line) {
    if (line.find(kPressSuffix) != std::string_view::npos) {
        return MacroEvent{removeAll(line, kPressSuffix), false};
    }
    if (line.find(kReleaseSuffix) != std::string_view::npos) {
        return MacroEvent{removeAll(line, kReleaseSuffix), true};
    }
    return std::nullopt;
}

bool isDelayLine(std::string_view line) { return line.find("ms") != std::string_view::npos; }

int pauseOfLine(std::string_view line) {
    // A key named by digits ("5   Dn") must not pass for a pause of 5 ms.
    if (eventOfLine(line)) {
        return 0;
    }
    return std::max(0, leadingInteger(removeAll(line, kDelaySuffix)));
}

bool isClickChoice(std::string_view choice) { return choice.ends_with(kClickSuffix); }

std::array<std::string, 2> expandClick(std::string_view choice) {
    const auto name = choice.substr(0, choice.size() - (isClickChoice(choice) ? kClickSuffix.size() : 0));
    return {pressLine(name), releaseLine(name)};
}

std::string delayLineFromEntry(int value, std::string_view digits) {
    if (value < kMinEnteredPauseMs) {
        return delayLine(kMinEnteredPauseMs);
    }
    if (value > kMaxEnteredPauseMs) {
        return delayLine(kMaxEnteredPauseMs);
    }
    return std::string(digits) + std::string(kDelaySuffix);
}

}  // namespace tarvik
