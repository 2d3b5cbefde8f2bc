// A colour chooser that answers with a preset colour (or a cancel) and counts its openings.
#pragma once

#include <optional>

#include "platform/ColourChooser.h"

namespace tarvik::platform {

class FakeColourChooser : public ColourChooser {
public:
    std::optional<Rgb> choose(Rgb initial) override {
        ++opened;
        lastInitial = initial;
        return answer;
    }
    std::optional<Rgb> answer;
    Rgb lastInitial{};
    int opened = 0;
};

}  // namespace tarvik::platform
