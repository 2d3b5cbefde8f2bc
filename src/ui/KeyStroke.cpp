// Pairing the release and press of an X11 auto-repeat.
#include "ui/KeyStroke.h"

namespace tarvik::ui {

std::vector<KeyStroke> RepeatPairs::take(KeyStroke stroke) {
    std::vector<KeyStroke> out;
    if (held_) {
        // Time 0 is no time stamp at all (an event made by a program, not the window system).
        const bool pair =
            stroke.press && stroke.keycode == held_->keycode && stroke.time != 0 && stroke.time == held_->time;
        if (!pair) out.push_back(*held_);
        held_.reset();
        if (pair) stroke.autoRepeat = true;
    }
    if (!stroke.press && !stroke.autoRepeat) held_ = stroke;
    else out.push_back(stroke);
    return out;
}

std::optional<KeyStroke> RepeatPairs::flush() {
    std::optional<KeyStroke> held = held_;
    held_.reset();
    return held;
}

}  // namespace tarvik::ui
