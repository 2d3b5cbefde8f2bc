// KDE Plasma backend of the pointer settings: reads and edits kcminputrc and kdeglobals,
// keeping every other line, and announces each change.
#include "platform/linux/KdePointerSettings.h"

#include <array>
#include <charconv>
#include <cmath>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/ProfileFile.h"

namespace tarvik::platform {
namespace {

// X11 sessions: one [Mouse] group for every mouse.
constexpr std::string_view kMouseGroup = "Mouse";
constexpr std::string_view kX11FlatKey = "X11LibInputXAccelProfileFlat";
constexpr std::string_view kX11SpeedKey = "XLbInptPointerAcceleration";
// Wayland sessions: one [Libinput][vendor][product][name] group per input device, created by
// Plasma once that device's settings are changed; 1241 and 41119 are 04D9 and A09F.
constexpr std::string_view kOurDeviceGroupPrefix = "Libinput][1241][41119][";
constexpr std::string_view kProfileKey = "PointerAccelerationProfile";
constexpr std::string_view kSpeedKey = "PointerAcceleration";
constexpr std::string_view kFlatProfile = "1";
constexpr std::string_view kAdaptiveProfile = "2";
// kdeglobals
constexpr std::string_view kGlobalsGroup = "KDE";
constexpr std::string_view kWheelKey = "WheelScrollLines";
constexpr std::string_view kDoubleClickKey = "DoubleClickInterval";
// Plasma's values when a key is absent.
constexpr int kPlasmaWheelLines = 3;
constexpr int kPlasmaDoubleClickMs = 400;

std::vector<std::string> ourDeviceGroups(const ProfileDocument& document) {
    std::vector<std::string> groups;
    for (auto& name : document.sectionNames()) {
        if (name.starts_with(kOurDeviceGroupPrefix)) {
            groups.push_back(std::move(name));
        }
    }
    return groups;
}

// The value for our mouse: its own Wayland group when Plasma made one, else the X11 key.
std::optional<std::string> deviceValue(const ProfileDocument& document, std::string_view deviceKey,
                                       std::string_view x11Key) {
    for (const auto& group : ourDeviceGroups(document)) {
        if (auto value = document.find(group, deviceKey)) {
            return value;
        }
    }
    return document.find(kMouseGroup, x11Key);
}

std::optional<double> parseDecimal(std::string_view text) {
    double value = 0.0;
    const auto* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    if (error != std::errc{} || stop == text.data() || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string formatDecimal(double value) {
    std::array<char, 32> buffer{};
    const auto [end, error] =
        std::to_chars(buffer.data(), buffer.data() + buffer.size(), value, std::chars_format::fixed, 3);
    return error == std::errc{} ? std::string(buffer.data(), end) : std::string("0.000");
}

std::optional<int> globalsInteger(const ProfileDocument& document, std::string_view key) {
    const auto text = document.find(kGlobalsGroup, key);
    return text ? std::optional<int>(leadingInteger(*text)) : std::nullopt;
}

std::string fileError(std::string_view verb, const std::filesystem::path& file, const std::error_code& error) {
    return "cannot " + std::string(verb) + " " + file.string() + ": " + error.message();
}

// Reading a folder as a file throws from inside the standard library's stream, so anything
// other than a regular file (or no file at all) is refused before it is read.
std::error_code checkFile(const std::filesystem::path& file) {
    std::error_code error;
    const auto status = std::filesystem::status(file, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    if (!error && status.type() != std::filesystem::file_type::regular) {
        error = std::make_error_code(std::errc::is_a_directory);
    }
    return error;
}

// Reads the file; a missing file reads as Plasma's defaults throughout.
template <class T>
std::optional<PointerRead<T>> readDocument(const std::filesystem::path& file, ProfileDocument& document) {
    auto error = checkFile(file);
    if (!error) {
        error = readProfileFile(file, document);
    }
    if (error) {
        return PointerRead<T>::failed(fileError("read", file, error));
    }
    return std::nullopt;
}

}  // namespace

KdePointerSettings::KdePointerSettings(std::filesystem::path configHome, std::function<void()> announce)
    : configHome_(std::move(configHome)), announce_(std::move(announce)) {}

PointerControls KdePointerSettings::controls() const { return {true, false, true, true, true}; }

PointerResult KdePointerSettings::store(const std::filesystem::path& file,
                                        const std::function<void(ProfileDocument&)>& edit) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (!error) {
        error = checkFile(file);
    }
    if (!error) {
        error = editProfileFile(file, edit);
    }
    if (error) {
        return PointerResult::failed(fileError("write", file, error));
    }
    if (announce_) {
        announce_();
    }
    return PointerResult::done();
}

PointerRead<AccelProfile> KdePointerSettings::getAccelProfile() {
    ProfileDocument document;
    if (auto failure = readDocument<AccelProfile>(inputFile(), document)) {
        return *failure;
    }
    const auto value = deviceValue(document, kProfileKey, kX11FlatKey);
    // The Wayland key holds a profile number, the X11 key a flag; adaptive is Plasma's default.
    const bool flat = value && (*value == kFlatProfile || *value == "true");
    return PointerRead<AccelProfile>::of(flat ? AccelProfile::flat : AccelProfile::adaptive);
}

PointerResult KdePointerSettings::setAccelProfile(AccelProfile profile) {
    const bool flat = profile == AccelProfile::flat;
    return store(inputFile(), [flat](ProfileDocument& document) {
        document.setValue(kMouseGroup, kX11FlatKey, flat ? "true" : "false");
        for (const auto& group : ourDeviceGroups(document)) {
            document.setValue(group, kProfileKey, flat ? kFlatProfile : kAdaptiveProfile);
        }
    });
}

PointerRead<double> KdePointerSettings::getPointerSpeed() {
    ProfileDocument document;
    if (auto failure = readDocument<double>(inputFile(), document)) {
        return *failure;
    }
    const auto text = deviceValue(document, kSpeedKey, kX11SpeedKey);
    // Like Plasma, an unreadable number counts as the default, 0.
    const auto value = text ? parseDecimal(*text) : std::nullopt;
    return PointerRead<double>::of(value.value_or(0.0));
}

PointerResult KdePointerSettings::setPointerSpeed(double speed) {
    const auto text = formatDecimal(speed);
    return store(inputFile(), [&text](ProfileDocument& document) {
        document.setValue(kMouseGroup, kX11SpeedKey, text);
        for (const auto& group : ourDeviceGroups(document)) {
            document.setValue(group, kSpeedKey, text);
        }
    });
}

PointerRead<std::uint32_t> KdePointerSettings::getWheelScrollLines() {
    ProfileDocument document;
    if (auto failure = readDocument<std::uint32_t>(globalsFile(), document)) {
        return *failure;
    }
    const int lines = globalsInteger(document, kWheelKey).value_or(kPlasmaWheelLines);
    return PointerRead<std::uint32_t>::of(static_cast<std::uint32_t>(lines < 0 ? 0 : lines));
}

PointerResult KdePointerSettings::setWheelScrollLines(std::uint32_t lines) {
    if (lines == kScrollOneScreenLines) {
        return PointerResult::unavailable();
    }
    return store(globalsFile(), [lines](ProfileDocument& document) {
        document.setValue(kGlobalsGroup, kWheelKey, std::to_string(lines));
    });
}

PointerRead<unsigned> KdePointerSettings::getDoubleClickTime() {
    ProfileDocument document;
    if (auto failure = readDocument<unsigned>(globalsFile(), document)) {
        return *failure;
    }
    const int milliseconds = globalsInteger(document, kDoubleClickKey).value_or(kPlasmaDoubleClickMs);
    if (milliseconds <= 0) {
        return PointerRead<unsigned>::failed(globalsFile().string() + " holds a double-click time of " +
                                             std::to_string(milliseconds) + " ms");
    }
    return PointerRead<unsigned>::of(static_cast<unsigned>(milliseconds));
}

PointerResult KdePointerSettings::setDoubleClickTime(unsigned milliseconds) {
    return store(globalsFile(), [milliseconds](ProfileDocument& document) {
        document.setValue(kGlobalsGroup, kDoubleClickKey, std::to_string(milliseconds));
    });
}

}  // namespace tarvik::platform
