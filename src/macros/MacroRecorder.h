// The keystroke recorder of the macro page: which keystrokes become event lines, the first-press
// rule, auto-repeat suppression and the Ctrl press that Ctrl+Break leaves behind.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tarvik {

enum class KeyTransition { Press, Release };

class MacroRecorder {
public:
    bool recordingActive() const { return recordingActive_; }
    bool firstPressPending() const { return firstPressPending_; }
    const std::string& currentKeyName() const { return currentKeyName_; }
    // The last recorded press; kept from one recording to the next.
    const std::string& lastKeyName() const { return lastKeyName_; }

    void start();
    void stop();

    // Takes a keystroke as the key filter reports it. False when it is not to be recorded:
    // no recording runs, or it is an auto-repeat of the key last recorded (holding a key
    // gives one press line).
    bool take(std::string_view keyName, KeyTransition transition, bool autoRepeat);
    // The lines that the keystroke last taken adds to the event list: its press line, after
    // a 50 ms line unless it is the first press; or a 50 ms line and its release line.
    std::vector<std::string> linesOfTakenKey(KeyTransition transition);

private:
    bool recordingActive_ = false;
    bool firstPressPending_ = false;
    std::string currentKeyName_;
    std::string lastKeyName_;
};

// Ctrl+Break: the key filter names the Pause/Break key "Pause"; pressed with Ctrl held, it
// stops the recording instead of being recorded.
bool isStopKeystroke(std::string_view keyName, KeyTransition transition, bool ctrlHeld);

// Ctrl+Break reaches the recorder as a Ctrl press first. Removes from the recorded lines the
// last press of a Ctrl key that no release follows, with the pause recorded beside it, so
// the macro does not end holding Ctrl. Returns whether a line was removed.
bool removeHeldCtrlPress(std::vector<std::string>& lines);

}  // namespace tarvik
