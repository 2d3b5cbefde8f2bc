// The system colour chooser, as the skins dialog and the DPI colour swatches use it.
#pragma once

#include <cstdint>
#include <optional>

namespace tarvik::platform {

struct Rgb {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const Rgb&) const = default;
};

class ColourChooser {
public:
    virtual ~ColourChooser() = default;
    // Modal; the chosen colour, or nullopt when the user cancels.
    virtual std::optional<Rgb> choose(Rgb initial) = 0;
};

}  // namespace tarvik::platform
