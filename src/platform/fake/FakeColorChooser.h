// A color chooser that answers with a preset color (or a cancel) and counts its openings.
#pragma once

#include <optional>

#include "platform/ColorChooser.h"

namespace tarvik::platform {

class FakeColorChooser : public ColorChooser {
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
