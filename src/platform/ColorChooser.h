// The system color chooser, as the skins dialog and the DPI color swatches use it.
#pragma once

#include <cstdint>
#include <optional>

namespace tarvik::platform {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

class ColorChooser {
public:
    virtual ~ColorChooser() = default;
    // Modal; the chosen color, or nullopt when the user cancels.
    virtual std::optional<Rgb> choose(Rgb initial) = 0;
};

}  // namespace tarvik::platform
