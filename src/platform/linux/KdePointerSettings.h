// Pointer settings of KDE Plasma: its configuration files kcminputrc (speed, acceleration
// profile) and kdeglobals (wheel lines, double-click time) in the user's configuration folder.
#pragma once

#include <filesystem>
#include <functional>

#include "platform/PointerSettings.h"

namespace tarvik {
class ProfileDocument;
}

namespace tarvik::platform {

class KdePointerSettings : public PointerSettings {
public:
    // `announce` runs after every change written, to tell running programs to reload.
    KdePointerSettings(std::filesystem::path configHome, std::function<void()> announce);

    // Plasma has no setting that makes the wheel scroll by pages.
    PointerControls controls() const override;
    PointerRead<AccelProfile> getAccelProfile() override;
    PointerResult setAccelProfile(AccelProfile profile) override;
    // Written with three decimals, as Plasma writes it.
    PointerRead<double> getPointerSpeed() override;
    PointerResult setPointerSpeed(double speed) override;
    PointerRead<std::uint32_t> getWheelScrollLines() override;
    PointerResult setWheelScrollLines(std::uint32_t lines) override;
    PointerRead<unsigned> getDoubleClickTime() override;
    PointerResult setDoubleClickTime(unsigned milliseconds) override;

private:
    std::filesystem::path inputFile() const { return configHome_ / "kcminputrc"; }
    std::filesystem::path globalsFile() const { return configHome_ / "kdeglobals"; }
    // Edits the file in one atomic replacement and announces the change.
    PointerResult store(const std::filesystem::path& file, const std::function<void(ProfileDocument&)>& edit);

    std::filesystem::path configHome_;
    std::function<void()> announce_;
};

}  // namespace tarvik::platform
