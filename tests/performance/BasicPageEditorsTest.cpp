// The lighting and DPI stage rules of the Basic page, without the page: texts shown for record
// bytes, what a choice or a click stores, and what it must leave alone.
#include <gtest/gtest.h>

#include "performance/DpiStageEditor.h"
#include "performance/LightingEditor.h"

namespace tarvik {
namespace {

using Field = LightingEditor::Field;

struct LightTexts {
    const char* mode;
    const char* parameter;
    const char* effect;
};

TEST(LightingEditor, TextsShownForRecordBytes) {
    struct Case {
        Byte mode, param, effect;  // the current mode's parameter and effect fields
        LightTexts en;
    };
    const Case cases[] = {
        {0, 0, 0, {"Off", "", ""}},  // an all-zero record
        {1, 9, 0, {"Standard", "100%", "Non-Disolay"}},
        {2, 0, 2, {"Respiration", "8S", "RGB Flash"}},
        {3, 1, 3, {"Neon", "1S", "RGB Fixed On"}},
        {3, 30, 4, {"Neon", "", ""}},  // bytes beyond their lists from a file
        {7, 0, 0, {"", "", ""}},
    };
    const TextCatalogue en(LanguageId::EN);
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        ConfigRecord r;
        r.lightMode = c.mode;
        r.lightParamStandard = r.lightParamRespiration = r.lightParamNeon = c.param;
        r.lightEffectStandard = r.lightEffectRespiration = r.lightEffectNeon = c.effect;
        const LightingEditor editor(r, en);
        EXPECT_EQ(editor.text(Field::Mode), c.en.mode);
        EXPECT_EQ(editor.text(Field::Parameter), c.en.parameter);
        EXPECT_EQ(editor.text(Field::Effect), c.en.effect);
    }
}

TEST(LightingEditor, ListsAndChoices) {
    ConfigRecord r;
    const TextCatalogue chs(LanguageId::CHS);
    LightingEditor editor(r, chs);
    EXPECT_EQ(editor.listEntries(Field::Mode), (std::vector<std::string>{"标准模式", "呼吸模式", "霓虹模式"}));
    // While "Off": the Neon periods are offered; the choice is shown but not stored.
    const auto periods = editor.listEntries(Field::Parameter);
    EXPECT_EQ(periods.size(), 30u);
    editor.choose(Field::Parameter, 5);
    EXPECT_EQ(r, ConfigRecord{});
    EXPECT_EQ(editor.text(Field::Parameter), periods[5]);
    EXPECT_TRUE(editor.listEntries(Field::Effect).empty());
    // Standard has no effect list; a click on its effect shows its one effect.
    editor.choose(Field::Mode, 0);
    EXPECT_EQ(editor.text(Field::Parameter), lightingText(r, chs, Field::Parameter));  // its own, not the unstored one
    EXPECT_EQ(r.lightMode, 1);
    EXPECT_TRUE(editor.choosesWithoutList(Field::Effect));
    EXPECT_EQ(editor.text(Field::Effect), "RGB效果");
    editor.choose(Field::Mode, 2);
    EXPECT_EQ(editor.listEntries(Field::Effect), (std::vector<std::string>{"RGB闪烁", "RGB常亮"}));
    editor.choose(Field::Effect, 1);
    EXPECT_EQ(r.lightEffectNeon, 3);
    editor.choose(Field::Effect, 2);  // past the list: nothing
    EXPECT_EQ(r.lightEffectNeon, 3);
}

TEST(DpiStageEditor, LitTicksFollowLevelStateAndSensor) {
    ConfigRecord r;
    r.dpiLevel = {11, 3, 5, 0};
    r.dpiEnabled = {1, 0, 1, 1};
    const DpiStageEditor sensor1(r, 1);
    EXPECT_EQ(sensor1.tickCount(), 8);
    EXPECT_EQ(sensor1.tickLabels().size(), 8u);
    EXPECT_EQ(sensor1.litTicks(0), 8);  // a level from a file past the sensor's ticks
    EXPECT_EQ(sensor1.litTicks(1), 0);  // off: every tick dark
    EXPECT_EQ(sensor1.litTicks(2), 6);
    const DpiStageEditor unlisted(r, 9);
    EXPECT_EQ(unlisted.tickCount(), 12);
    EXPECT_EQ(unlisted.tickLabels().back(), "4000");
}

TEST(DpiStageEditor, ClicksStoreOnlyValidValues) {
    ConfigRecord r;
    DpiStageEditor unlisted(r, 9);
    EXPECT_FALSE(unlisted.clickTick(0, 9));  // twelve ticks drawn, 9-12 ignored
    EXPECT_TRUE(unlisted.clickTick(0, 8));
    EXPECT_EQ(r.dpiLevel[0], 7);
    EXPECT_FALSE(unlisted.clickReportRate(5));
    EXPECT_TRUE(unlisted.clickReportRate(4));  // code 0 from an all-zero record lights 4 but is not 1
    EXPECT_EQ(r.reportRateCode, 1);
    EXPECT_FALSE(unlisted.clickReportRate(4));
    unlisted.setColor(0, {1, 2, 3});  // an off stage keeps its color
    EXPECT_EQ(unlisted.color(0), (platform::Rgb{0, 0, 0}));
}

}  // namespace
}  // namespace tarvik
