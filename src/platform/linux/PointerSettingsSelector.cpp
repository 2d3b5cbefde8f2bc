// Backend choice for the desktop's pointer settings.
#include "platform/linux/PointerSettingsSelector.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>

#include "base/Text.h"
#include "platform/linux/GSettingsPointerSettings.h"
#include "platform/linux/KdeChangeNotice.h"
#include "platform/linux/KdePointerSettings.h"

namespace tarvik::platform {
namespace {

struct DesktopName {
    std::string_view name;  // lower case
    PointerDesktop desktop;
    bool prefix;  // DESKTOP_SESSION names carry suffixes such as "-xorg" or "wayland"
};

// The desktops whose settings daemon applies org.gnome.desktop.peripherals, and Plasma.
// Cinnamon and MATE keep their own schemas, so they are left out: writing GNOME's keys there
// would report success while nothing changed.
constexpr std::array kCurrentDesktops = {
    DesktopName{"gnome", PointerDesktop::gnome, false},
    DesktopName{"gnome-flashback", PointerDesktop::gnome, false},
    DesktopName{"gnome-classic", PointerDesktop::gnome, false},
    DesktopName{"unity", PointerDesktop::gnome, false},
    DesktopName{"budgie", PointerDesktop::gnome, false},
    DesktopName{"pantheon", PointerDesktop::gnome, false},
    DesktopName{"kde", PointerDesktop::kde, false},
};
constexpr std::array kSessions = {
    DesktopName{"gnome", PointerDesktop::gnome, true},    DesktopName{"ubuntu", PointerDesktop::gnome, true},
    DesktopName{"unity", PointerDesktop::gnome, true},    DesktopName{"budgie", PointerDesktop::gnome, true},
    DesktopName{"pantheon", PointerDesktop::gnome, true}, DesktopName{"plasma", PointerDesktop::kde, true},
    DesktopName{"kde", PointerDesktop::kde, true},
};

template <std::size_t N>
std::optional<PointerDesktop> match(std::string_view text, const std::array<DesktopName, N>& names) {
    const auto name = asciiLowered(text);
    for (const auto& entry : names) {
        if (entry.prefix ? name.starts_with(entry.name) : name == entry.name) {
            return entry.desktop;
        }
    }
    return std::nullopt;
}

// XDG_CURRENT_DESKTOP is a colon-separated list, most specific first ("Budgie:GNOME").
std::optional<PointerDesktop> fromCurrentDesktop(std::string_view list) {
    while (!list.empty()) {
        const auto colon = list.find(':');
        if (const auto desktop = match(list.substr(0, colon), kCurrentDesktops)) {
            return desktop;
        }
        list.remove_prefix(colon == std::string_view::npos ? list.size() : colon + 1);
    }
    return PointerDesktop::none;
}

}  // namespace

EnvironmentLookup processEnvironment() {
    return [](std::string_view name) -> std::optional<std::string> {
        const char* value = std::getenv(std::string(name).c_str());
        return value != nullptr ? std::optional<std::string>(value) : std::nullopt;
    };
}

PointerDesktop pointerDesktopFrom(const EnvironmentLookup& environment) {
    if (const auto current = environment("XDG_CURRENT_DESKTOP"); current && !current->empty()) {
        return *fromCurrentDesktop(*current);
    }
    if (environment("KDE_FULL_SESSION") == "true") {
        return PointerDesktop::kde;
    }
    if (const auto session = environment("DESKTOP_SESSION"); session && !session->empty()) {
        return match(*session, kSessions).value_or(PointerDesktop::none);
    }
    return PointerDesktop::none;
}

std::filesystem::path configHomeFrom(const EnvironmentLookup& environment) {
    // An empty or relative XDG_CONFIG_HOME is to be ignored.
    if (const auto home = environment("XDG_CONFIG_HOME"); home && std::filesystem::path(*home).is_absolute()) {
        return *home;
    }
    return std::filesystem::path(environment("HOME").value_or("")) / ".config";
}

std::unique_ptr<PointerSettings> makePointerSettings(const EnvironmentLookup& environment) {
    switch (pointerDesktopFrom(environment)) {
    case PointerDesktop::gnome:
        if (auto gsettings = GSettingsPointerSettings::create()) {
            return gsettings;
        }
        break;
    case PointerDesktop::kde:
        return std::make_unique<KdePointerSettings>(configHomeFrom(environment), [] { announceKdeMouseChange(); });
    case PointerDesktop::none: break;
    }
    return std::make_unique<NoPointerSettings>();
}

}  // namespace tarvik::platform
