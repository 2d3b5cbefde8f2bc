// Picks the pointer-settings backend for the running desktop from the session's environment.
#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/PointerSettings.h"

namespace tarvik::platform {

enum class PointerDesktop { gnome, kde, none };

// Looks up one environment variable; nullopt when unset.
using EnvironmentLookup = std::function<std::optional<std::string>(std::string_view)>;
EnvironmentLookup processEnvironment();

// From XDG_CURRENT_DESKTOP, then KDE_FULL_SESSION, then DESKTOP_SESSION.
PointerDesktop pointerDesktopFrom(const EnvironmentLookup& environment);
// $XDG_CONFIG_HOME when it is an absolute path, else $HOME/.config.
std::filesystem::path configHomeFrom(const EnvironmentLookup& environment);

// GNOME family: GSettings when the mouse schema is installed; KDE: its files in the
// configuration folder; anything else: every control unavailable.
std::unique_ptr<PointerSettings> makePointerSettings(const EnvironmentLookup& environment);

}  // namespace tarvik::platform
