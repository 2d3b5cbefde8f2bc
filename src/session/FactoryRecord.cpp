// Builds the delivered record: every field holds a value its page can show and choose again.
#include "session/FactoryRecord.h"

#include "buttons/KeyMatrix.h"
#include "performance/Lighting.h"

namespace tarvik {
namespace {

void setDpiStages(ConfigRecord& record) {
    // Ascending levels so the DPI button steps upwards; distinct colors so each stage shows.
    record.dpiLevel = {1, 3, 5, 7};
    record.dpiEnabled = {1, 1, 1, 1};
    record.dpiColor = {
        255, 0,   0,    // red
        0,   255, 0,    // green
        0,   0,   255,  // blue
        255, 200, 0,    // yellow
    };
    record.reportRateCode = 1;  // 1000 Hz
}

void setLighting(ConfigRecord& record) {
    record.lightMode = kLightStandard;
    record.lightParamStandard = 9;  // "100%"
    record.lightEffectStandard = 1;
    // The other modes remember valid choices for when the user switches to them.
    record.lightParamRespiration = 2;  // "6S"
    record.lightEffectRespiration = 1;
    record.lightParamNeon = 3;  // "2S"
    record.lightEffectNeon = 2;
}

void setPointerLevels(ConfigRecord& record) {
    record.enhancePointerPrecision = 0;
    record.scrollOneScreen = 0;
    record.pointerSpeedLevel = 6;
    record.wheelScrollLines = 3;
    record.doubleClickLevel = 6;
}

}  // namespace

ConfigRecord factoryRecord() {
    ConfigRecord record{};
    restoreDefaultButtonFunctions(record);
    setDpiStages(record);
    setLighting(record);
    setPointerLevels(record);
    record.currentKeyMode = 0;
    return record;
}

}  // namespace tarvik
