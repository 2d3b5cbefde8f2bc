// Finding the help page among the installed and the source tree's README.
#include "app/HelpPage.h"

#include <array>
#include <fstream>

#ifndef TARVIK_INSTALLED_HELP
#define TARVIK_INSTALLED_HELP "/usr/share/doc/tarvik/README.md"
#endif
#ifndef TARVIK_SOURCE_HELP
#define TARVIK_SOURCE_HELP ""
#endif

namespace tarvik {

std::span<const std::filesystem::path> helpPagePlaces() {
    static const std::array<std::filesystem::path, 2> places = {TARVIK_INSTALLED_HELP, TARVIK_SOURCE_HELP};
    return places;
}

std::optional<std::filesystem::path> findHelpPage(std::span<const std::filesystem::path> places) {
    for (const auto& place : places) {
        std::error_code error;
        if (place.empty() || !std::filesystem::is_regular_file(place, error)) continue;
        if (std::ifstream(place)) return place;
    }
    return std::nullopt;
}

std::string fileAddress(const std::filesystem::path& file) {
    return "file://" + std::filesystem::absolute(file).lexically_normal().string();
}

}  // namespace tarvik
