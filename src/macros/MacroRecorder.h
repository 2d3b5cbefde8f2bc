// The keystroke recorder of the macro page: which keystrokes become event lines, the first-press
// rule, auto-repeat suppression, the Ctrl press that Ctrl+Break leaves behind and the releases
// that close a recording.
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
    // no recording runs; a press of a key whose press is recorded and not yet released, or
    // an auto-repeat of the key last recorded (holding a key gives one press line); a
    // release the window system reports as part of an auto-repeat (X11 repeats a held key
    // as release and press pairs); or the release of a key whose press this recording did
    // not record (the Enter that closed the "Start Recording" box), which would otherwise
    // stand alone in the macro.
    bool take(std::string_view keyName, KeyTransition transition, bool autoRepeat);
    // The lines that the keystroke last taken adds to the event list: its press line, after
    // a 50 ms line unless it is the first press; or a 50 ms line and its release line.
    std::vector<std::string> linesOfTakenKey(KeyTransition transition);

private:
    bool isHeld(std::string_view keyName) const;

    bool recordingActive_ = false;
    bool firstPressPending_ = false;
    std::string currentKeyName_;
    std::string lastKeyName_;
    std::vector<std::string> held_;  // keys whose press this recording recorded, not yet released
};

// Ctrl+Break: the key filter names the Pause/Break key "Pause"; pressed with Ctrl held, it
// stops the recording instead of being recorded.
bool isStopKeystroke(std::string_view keyName, KeyTransition transition, bool ctrlHeld);

// Ctrl+Break reaches the recorder as a Ctrl press first. Removes from the recorded lines the
// last press of a Ctrl key that no release follows, with the pause recorded beside it, so
// the macro does not end holding Ctrl. Returns whether a line was removed.
bool removeHeldCtrlPress(std::vector<std::string>& lines);

// The lines that release every key the lines press and never release, the last pressed first,
// each after a 50 ms line: a macro played back must not leave a key held down.
std::vector<std::string> releasesOfHeldKeys(const std::vector<std::string>& lines);

}  // namespace tarvik
