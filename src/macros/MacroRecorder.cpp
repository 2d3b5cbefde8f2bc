// Recording keystrokes as event lines.
#include "macros/MacroRecorder.h"

#include <algorithm>
#include <array>
#include <optional>

#include "macros/EventLines.h"

namespace tarvik {
namespace {

// The names the key filter gives the two Ctrl keys.
constexpr std::array<std::string_view, 2> kCtrlKeyNames = {"Ctrl", "Right Ctrl"};
constexpr std::string_view kBreakKeyName = "Pause";

bool isCtrl(std::string_view name) { return std::ranges::find(kCtrlKeyNames, name) != kCtrlKeyNames.end(); }

bool isPauseLine(std::string_view line) { return !eventOfLine(line) && isDelayLine(line); }

// The position of the last Ctrl press with no release of the same key after it.
std::optional<std::size_t> heldCtrlPress(const std::vector<std::string>& lines) {
    std::vector<std::string> released;
    for (std::size_t at = lines.size(); at-- > 0;) {
        const auto event = eventOfLine(lines[at]);
        if (!event || !isCtrl(event->name)) {
            continue;
        }
        if (event->release) {
            released.push_back(event->name);
        } else if (std::ranges::find(released, event->name) == released.end()) {
            return at;
        }
    }
    return std::nullopt;
}

}  // namespace

void MacroRecorder::start() {
    recordingActive_ = true;
    firstPressPending_ = true;
    held_.clear();
}

void MacroRecorder::stop() { recordingActive_ = false; }

bool MacroRecorder::take(std::string_view keyName, KeyTransition transition, bool autoRepeat) {
    if (!recordingActive_) {
        return false;
    }
    currentKeyName_ = keyName;
    if (transition == KeyTransition::Release) {
        return !autoRepeat && isHeld(keyName);
    }
    // Of the flagged repeats only one of the key last recorded is dropped: a repeat of another
    // key means that key's first press was not recorded (held since before the recording).
    return !isHeld(keyName) && !(autoRepeat && currentKeyName_ == lastKeyName_);
}

bool MacroRecorder::isHeld(std::string_view keyName) const { return std::ranges::find(held_, keyName) != held_.end(); }

std::vector<std::string> MacroRecorder::linesOfTakenKey(KeyTransition transition) {
    if (transition == KeyTransition::Release) {
        std::erase(held_, currentKeyName_);
        return {delayLine(kDefaultPauseMs), releaseLine(currentKeyName_)};
    }
    lastKeyName_ = currentKeyName_;
    held_.push_back(currentKeyName_);
    if (firstPressPending_) {
        firstPressPending_ = false;
        return {pressLine(currentKeyName_)};
    }
    return {delayLine(kDefaultPauseMs), pressLine(currentKeyName_)};
}

bool isStopKeystroke(std::string_view keyName, KeyTransition transition, bool ctrlHeld) {
    return ctrlHeld && transition == KeyTransition::Press && keyName == kBreakKeyName;
}

bool removeHeldCtrlPress(std::vector<std::string>& lines) {
    const auto at = heldCtrlPress(lines);
    if (!at) {
        return false;
    }
    const auto press = lines.begin() + static_cast<std::ptrdiff_t>(*at);
    if (*at > 0 && isPauseLine(lines[*at - 1])) {
        lines.erase(press - 1, press + 1);  // the pause recorded in front of the press
    } else if (*at + 1 < lines.size() && isPauseLine(lines[*at + 1])) {
        lines.erase(press, press + 2);  // a first press: the next event's pause follows it
    } else {
        lines.erase(press);
    }
    return true;
}

std::vector<std::string> releasesOfHeldKeys(const std::vector<std::string>& lines) {
    std::vector<std::string> held;
    for (const auto& line : lines) {
        const auto event = eventOfLine(line);
        if (!event) {
            continue;
        }
        const auto at = std::ranges::find(held, event->name);
        if (event->release && at != held.end()) {
            held.erase(at);
        } else if (!event->release && at == held.end()) {
            held.push_back(event->name);
        }
    }
    std::vector<std::string> releases;
    for (auto key = held.rbegin(); key != held.rend(); ++key) {
        releases.push_back(delayLine(kDefaultPauseMs));
        releases.push_back(releaseLine(*key));
    }
    return releases;
}

}  // namespace tarvik
