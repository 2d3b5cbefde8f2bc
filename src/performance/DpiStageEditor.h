// The rules of the Basic page's report-rate slider and four DPI stages: what a click on a
// position, a tick, an on/off box or a color swatch stores in the record.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "platform/ColorChooser.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

class DpiStageEditor {
public:
    // `sensorType` is the sensor in use when the page is built; it fixes ticks and labels.
    DpiStageEditor(ConfigRecord& record, std::uint8_t sensorType);

    int reportRatePosition() const;  // 1-4, the lit position
    // Position 1-4 clicked; true when the stored code changed.
    bool clickReportRate(int position);

    int tickCount() const { return tickCount_; }
    // Labels beside the ticks, tick 1 first; as many as there are ticks.
    std::span<const std::string_view> tickLabels() const;
    bool stageOn(int stage) const;  // stage 0-3
    // Ticks drawn light: none while the stage is off, else level + 1 (at most the tick count).
    int litTicks(int stage) const;
    // Tick 1-12 of `stage` clicked; true when the level was stored.
    bool clickTick(int stage, int tick);
    // The on/off box of `stage` clicked; true when the stage changed. The last stage on stays on.
    bool toggleStage(int stage);
    // The swatch opens the color chooser only while its stage is on.
    bool swatchOpensChooser(int stage) const { return stageOn(stage); }
    platform::Rgb color(int stage) const;
    void setColor(int stage, platform::Rgb color);

private:
    ConfigRecord& record_;
    std::uint8_t sensorType_;
    int tickCount_;
};

}  // namespace tarvik
