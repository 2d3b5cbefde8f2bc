// The help page behind the window's footer link: the README the package installs, or, for a
// program run from its build folder, the README of the source tree it was built from.
#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace tarvik {

// The places looked at, in order: the installed page, then the source tree's.
std::span<const std::filesystem::path> helpPagePlaces();
// The first of `places` that is a readable file; nullopt when none is.
std::optional<std::filesystem::path> findHelpPage(std::span<const std::filesystem::path> places);
// The local file's address for the desktop's opener ("file:///usr/share/doc/tarvik/README.md").
std::string fileAddress(const std::filesystem::path& file);

}  // namespace tarvik
