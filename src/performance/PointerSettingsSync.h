// The Advanced page's pointer logic: read the desktop's own values into the record's five pointer
// fields as levels once, write the levels back as desktop values on OK and Apply, restore the defaults.
#pragma once

#include <string_view>

#include "platform/PointerSettings.h"
#include "platform/UserSink.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

// Texts of the failure messages, all shown under the caption "Warning".
constexpr std::string_view kPointerWarningCaption = "Warning";
constexpr std::string_view kGetMouseSpeedFailed = "GETMOUSESPEED failed.";
constexpr std::string_view kGetWheelLinesFailed = "GETWHEELSCROLLLINES failed.";
constexpr std::string_view kGetDoubleClickFailed = "GetDoubleClickTime failed.";
constexpr std::string_view kSetMouseFailed = "SETMOUSE failed.";
constexpr std::string_view kSetMouseSpeedFailed = "SETMOUSESPEED failed.";
constexpr std::string_view kSetWheelLinesFailed = "SETWHEELSCROLLLINES failed.";
constexpr std::string_view kSetDoubleClickFailed = "SPI_SETDOUBLECLICKTIME failed.";

class PointerSettingsSync {
public:
    PointerSettingsSync(platform::PointerSettings& desktop, platform::UserSink& sink);

    // The controls the page shows enabled; the others are drawn disabled and never written.
    platform::PointerControls controls() const;

    // Fills the five pointer fields from the desktop, levels held to 1-11. A setting that
    // could not be read leaves its level at 0 (an empty slider, never written); a setting the
    // desktop lacks leaves its field as it was. Runs on the first build of the page.
    void readPointerSettings(ConfigRecord& record);
    // Writes the five fields to the desktop; fields holding 0 and unavailable controls are
    // skipped. Reads the desktop first when nothing has been read yet in this process, so a
    // record that never saw the page cannot overwrite the user's settings.
    void writePointerSettings(ConfigRecord& record);
    // The page's "Default" button: writes the default values at once, then stores the
    // default levels (the double-click level 6 stands for 550 ms, not the 500 ms written).
    void restorePointerDefaults(ConfigRecord& record);

    bool pointerSettingsRead() const { return pointerSettingsRead_; }

private:
    void readPrecision(ConfigRecord& record);
    void readSpeed(ConfigRecord& record);
    void readWheel(ConfigRecord& record);
    void readDoubleClick(ConfigRecord& record);
    // Shows the failure message of a failed call; unavailable and ok pass silently.
    void report(const platform::PointerResult& result, std::string_view text);
    void reportRead(platform::PointerStatus status, const std::string& detail, std::string_view text);

    platform::PointerSettings& desktop_;
    platform::UserSink& sink_;
    bool pointerSettingsRead_ = false;
};

}  // namespace tarvik
