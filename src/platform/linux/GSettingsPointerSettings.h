// Pointer settings of GNOME and the desktops built on its settings daemon, through GSettings:
// speed and acceleration profile and double-click time in org.gnome.desktop.peripherals.mouse.
#pragma once

#include <memory>

#include "platform/PointerSettings.h"

namespace tarvik::platform {

class GSettingsPointerSettings : public PointerSettings {
public:
    static constexpr const char* kSchema = "org.gnome.desktop.peripherals.mouse";

    // Nullptr when the schema is not installed (GSettings would abort on an unknown schema).
    static std::unique_ptr<GSettingsPointerSettings> create();
    ~GSettingsPointerSettings() override;
    GSettingsPointerSettings(const GSettingsPointerSettings&) = delete;
    GSettingsPointerSettings& operator=(const GSettingsPointerSettings&) = delete;

    // GNOME has neither a wheel-lines nor a page-scrolling setting.
    PointerControls controls() const override;
    // The "default" profile reads as adaptive, which it is for a mouse, and is kept when
    // adaptive is written.
    PointerRead<AccelProfile> getAccelProfile() override;
    PointerResult setAccelProfile(AccelProfile profile) override;
    // The speed key, -1..1; GSettings would refuse a value outside its range with a warning.
    PointerRead<double> getPointerSpeed() override;
    PointerResult setPointerSpeed(double speed) override;
    PointerRead<std::uint32_t> getWheelScrollLines() override;
    PointerResult setWheelScrollLines(std::uint32_t lines) override;
    PointerRead<unsigned> getDoubleClickTime() override;
    PointerResult setDoubleClickTime(unsigned milliseconds) override;

    struct Impl;
    // Impl is complete only in the .cpp file, so in practice only create() builds one.
    explicit GSettingsPointerSettings(std::unique_ptr<Impl> impl);

private:
    std::unique_ptr<Impl> impl_;
};

// True when the mouse schema is installed, so the GNOME family can be served.
bool gnomeMouseSchemaInstalled();

}  // namespace tarvik::platform
