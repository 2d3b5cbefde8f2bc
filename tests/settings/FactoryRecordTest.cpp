// The delivered record and the factory "config.bin" generated from it at build time.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "TempFolder.h"
#include "buttons/KeyMatrix.h"
#include "performance/DpiTables.h"
#include "performance/Lighting.h"
#include "session/FactoryRecord.h"
#include "settings/ConfigFile.h"

namespace tarvik {
namespace {

TEST(FactoryRecord, ButtonsAreTheDefaultButtonsInBothModes) {
    ConfigRecord defaults{};
    restoreDefaultButtonFunctions(defaults);
    const ConfigRecord factory = factoryRecord();
    EXPECT_EQ(factory.buttonsModeA, defaults.buttonsModeA);
    EXPECT_EQ(factory.buttonsModeB, defaults.buttonsModeB);
    EXPECT_EQ(factory.buttonsModeAExtra, defaults.buttonsModeAExtra);
    EXPECT_EQ(factory.buttonsModeBExtra, defaults.buttonsModeBExtra);
    EXPECT_EQ(factory.currentKeyMode, 0);
}

TEST(FactoryRecord, DeviceSettingsTranslateToWorkingValues) {
    const ConfigRecord factory = factoryRecord();
    EXPECT_EQ(ReportRatePayload(factory), 1);  // 1000 Hz
    // Four stages on, in ascending order, for every known sensor.
    for (std::uint8_t sensor = 0; sensor < 4; ++sensor) {
        const auto codes = DpiCodes(factory, sensor);
        for (std::size_t k = 0; k < 4; ++k) {
            EXPECT_NE(codes[k], 0) << "sensor " << int(sensor) << " stage " << k;
            EXPECT_EQ(codes[k] & 0x80, 0);
            if (k > 0) {
                EXPECT_GT(codes[k], codes[k - 1]);
            }
        }
    }
    std::array<std::uint8_t, 3> effect{}, set0{};
    LightingPayload(factory, effect, set0);
    EXPECT_EQ(effect, (std::array<std::uint8_t, 3>{1, 10, 2}));
}

TEST(FactoryRecord, EveryLightingModeHasAChoiceItsListsOffer) {
    ConfigRecord factory = factoryRecord();
    for (std::uint8_t mode : {kLightStandard, kLightRespiration, kLightNeon}) {
        SCOPED_TRACE(std::string(lightModeText(mode)));
        EXPECT_NE(lightParamText(mode, *lightParamField(factory, mode)), "");
        const auto choices = lightEffectChoices(mode);
        EXPECT_NE(std::find(choices.begin(), choices.end(), *lightEffectField(factory, mode)), choices.end());
    }
}

TEST(FactoryRecord, PointerLevelsAreTheAdvancedDefaults) {
    const ConfigRecord factory = factoryRecord();
    EXPECT_EQ(factory.pointerSpeedLevel, 6);
    EXPECT_EQ(factory.wheelScrollLines, 3);
    EXPECT_EQ(factory.doubleClickLevel, 6);
    EXPECT_EQ(factory.enhancePointerPrecision, 0);
    EXPECT_EQ(factory.scrollOneScreen, 0);
}

TEST(FactoryRecord, GeneratedConfigBinIsAFirstRunFileOfTheFactoryRecord) {
    const auto bytes = test::readBytes(TARVIK_FACTORY_CONFIG);
    ASSERT_EQ(bytes.size(), kConfigFileSize) << TARVIK_FACTORY_CONFIG;
    EXPECT_EQ(bytes[0], 0);
    const RecordBytes expected = toBytes(factoryRecord());
    EXPECT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin() + 1));
}

}  // namespace
}  // namespace tarvik
