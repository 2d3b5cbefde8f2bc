// One key event as the program's key filter names it, and the pairing of the release and press
// that X11 sends for every auto-repeat of a held key.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tarvik::ui {

struct KeyStroke {
    std::string_view name;  // English key name ("Ctrl", "Num 1"); "" when the key has none
    bool press = false;     // false: release
    bool autoRepeat = false;
    std::uint32_t keycode = 0;  // X11 / Wayland keycode, evdev code + 8
    std::uint64_t time = 0;     // the window system's time stamp, in milliseconds
};

// X11 repeats a held key as a release and a press with one time stamp. The toolkit marks them
// only when the press has already arrived with the release, so a release is held back until
// the next key event (or a moment later) shows whether it is half of such a pair: a pair
// becomes one press marked as a repeat, any other release goes on as it was.
class RepeatPairs {
public:
    // Takes the events in arrival order; returns those to hand on now, in order.
    std::vector<KeyStroke> take(KeyStroke stroke);
    // The release held back, once no press followed it; nothing when none is held.
    std::optional<KeyStroke> flush();
    bool holding() const { return held_.has_value(); }

private:
    std::optional<KeyStroke> held_;
};

}  // namespace tarvik::ui
