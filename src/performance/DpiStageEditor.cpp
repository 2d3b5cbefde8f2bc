// Report rate and DPI stage edits of the Basic page.
#include "performance/DpiStageEditor.h"

#include <algorithm>

#include "performance/DpiTables.h"

namespace tarvik {
namespace {

bool validStage(int stage) { return stage >= 0 && stage < static_cast<int>(kDpiStageCount); }
std::size_t at(int stage) { return static_cast<std::size_t>(stage); }

}  // namespace

DpiStageEditor::DpiStageEditor(ConfigRecord& record, std::uint8_t sensorType)
    : record_(record), sensorType_(sensorType), tickCount_(dpiTickCount(sensorType)) {}

int DpiStageEditor::reportRatePosition() const { return tarvik::reportRatePosition(record_.reportRateCode); }

bool DpiStageEditor::clickReportRate(int position) {
    const std::uint8_t code = reportRateCodeAt(position);
    if (code == 0 || code == record_.reportRateCode) return false;
    record_.reportRateCode = code;
    return true;
}

std::span<const std::string_view> DpiStageEditor::tickLabels() const {
    const std::span<const std::string_view> labels = dpiLabels(sensorType_);
    return labels.first(std::min(labels.size(), static_cast<std::size_t>(tickCount_)));
}

bool DpiStageEditor::stageOn(int stage) const { return validStage(stage) && record_.dpiEnabled[at(stage)] != 0; }

int DpiStageEditor::litTicks(int stage) const {
    if (!stageOn(stage)) return 0;
    return std::min(record_.dpiLevel[at(stage)] + 1, tickCount_);
}

bool DpiStageEditor::clickTick(int stage, int tick) {
    // Ticks past the sensor's table would store a level the mouse has no code for.
    if (!validStage(stage) || tick < 1 || tick > tickCount_ || !dpiTickClickable(sensorType_, tick)) return false;
    record_.dpiLevel[at(stage)] = static_cast<Byte>(tick - 1);
    return true;
}

bool DpiStageEditor::toggleStage(int stage) {
    if (!validStage(stage)) return false;
    if (!stageOn(stage)) {
        record_.dpiEnabled[at(stage)] = 1;
        return true;
    }
    for (int other = 0; other < static_cast<int>(kDpiStageCount); ++other) {
        if (other != stage && stageOn(other)) {
            record_.dpiEnabled[at(stage)] = 0;
            return true;
        }
    }
    return false;
}

platform::Rgb DpiStageEditor::color(int stage) const {
    if (!validStage(stage)) return {};
    const std::size_t i = at(stage) * 3;
    return {record_.dpiColor[i], record_.dpiColor[i + 1], record_.dpiColor[i + 2]};
}

void DpiStageEditor::setColor(int stage, platform::Rgb color) {
    if (!stageOn(stage)) return;
    const std::size_t i = at(stage) * 3;
    record_.dpiColor[i] = color.red;
    record_.dpiColor[i + 1] = color.green;
    record_.dpiColor[i + 2] = color.blue;
}

}  // namespace tarvik
