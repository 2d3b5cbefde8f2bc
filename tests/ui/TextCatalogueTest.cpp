// Tests of the interface language, the text catalogue, the dialog texts and the fonts.
#include "ui/TextCatalogue.h"

#include <gtest/gtest.h>

#include "settings/TempFolder.h"
#include "ui/Fonts.h"
#include "ui/Language.h"

namespace tarvik {
namespace {

TEST(LanguageTest, LanValueSelectsTheLanguageExactly) {
    struct Case {
        const char* file;  // nullptr: no file at all
        LanguageId expected;
    };
    const Case cases[] = {
        {"[Skins]\nLan=CHS\n", LanguageId::CHS},     {"[Skins]\nLan=CHT\n", LanguageId::CHT},
        {"[skins]\nlan=CHT\n", LanguageId::CHT},  // names ignore case, the value does not
        {"[Skins]\nLan=EN\n", LanguageId::EN},       {"[Skins]\nLan=chs\n", LanguageId::EN},
        {"[Skins]\nLan=\"CHS \"\n", LanguageId::EN},  // extra characters
        {"[Skins]\nLan=\n", LanguageId::EN},         {"[Skins]\nPath=Dark\n", LanguageId::EN},
        {"[Other]\nLan=CHS\n", LanguageId::EN},      {nullptr, LanguageId::EN},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file ? c.file : "no file");
        test::TempFolder folder;
        if (c.file) {
            const std::string_view text = c.file;
            test::writeBytes(folder / "str.ini", {text.begin(), text.end()});
        }
        EXPECT_EQ(ReadLanguage(folder / "str.ini"), c.expected);
    }
}

TEST(TextCatalogueTest, RowsByNumberAndByNameInEachLanguage) {
    struct Case {
        LanguageId language;
        TextRow row;
        std::string_view expected;
    };
    const Case cases[] = {
        {LanguageId::EN, TextRow::BasicSettings, "Basic Settings"},
        {LanguageId::CHS, TextRow::BasicSettings, "基本设置"},
        {LanguageId::CHT, TextRow::BasicSettings, "基本設置"},
        {LanguageId::EN, TextRow::LeftClick, "Left Click"},
        {LanguageId::CHS, TextRow::LeftClick, "左键"},
        {LanguageId::CHT, TextRow::ComboKey, "複合鍵"},
        {LanguageId::EN, TextRow::DefaultKeys, "Default"},
        {LanguageId::CHS, TextRow::DefaultKeys, "按键恢复"},
        {LanguageId::CHS, TextRow::DefaultPointer, "恢复默认"},
        {LanguageId::EN, TextRow::SwitchedToDpiStage1, "Switch DPI into the first stage "},  // trailing blank kept
        {LanguageId::EN, TextRow::SwitchedToDpiStage4, "Switch DPI into the fourth stage "},
        {LanguageId::CHS, TextRow::SwitchedToDpiStage1, "DPI切换到第一段"},  // the Chinese texts have none
        {LanguageId::CHT, TextRow::SwitchedToDpiStage4, "DPI切換到第四段"},
        {LanguageId::EN, TextRow::NotRecording, "It doesn\u2019t start recording, unnecessary to press Stop key!"},
        {LanguageId::CHT, TextRow::NotRecording, "沒有開始錄製，點擊停止錄製按鈕沒有意義！"},
        {LanguageId::EN, TextRow::CaptionSection, "Setting-EN"},
        {LanguageId::CHS, TextRow::CaptionSection, "Setting-CHS"},
        {LanguageId::CHT, TextRow::CaptionSection, "Setting-CHT"},
        {LanguageId::CHT, TextRow::HelpLink, kMakerWebAddress},
        {LanguageId::EN, static_cast<TextRow>(0), ""},
        {LanguageId::EN, static_cast<TextRow>(92), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("row " + std::to_string(static_cast<int>(c.row)));
        EXPECT_EQ(ApplyCatalogue(c.language).text(c.row), c.expected);
    }
}

TEST(TextCatalogueTest, EveryRowHasATextInEveryLanguage) {
    for (std::size_t i = 0; i < kCatalogue.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_FALSE(kCatalogue[i].en.empty());
        EXPECT_FALSE(kCatalogue[i].chs.empty());
        EXPECT_FALSE(kCatalogue[i].cht.empty());
    }
}

TEST(DialogTextTest, CancelIsOneChineseTextAndPromptsFollowTheLanguage) {
    EXPECT_EQ(dialogText(DialogText::Cancel, LanguageId::CHS), "取消");
    EXPECT_EQ(dialogText(DialogText::Cancel, LanguageId::CHT), "取消");
    EXPECT_EQ(dialogText(DialogText::Ok, LanguageId::CHT), "確定");
    EXPECT_EQ(dialogText(DialogText::DelayRange, LanguageId::CHS), "(数值范围 20-10000)");
    EXPECT_EQ(dialogText(DialogText::MacroPrompt, LanguageId::EN), "Please select a macro");
    EXPECT_EQ(dialogText(DialogText::SkinsPrompt, LanguageId::EN), "Please click to set the UI text color");
}

TEST(FontsTest, ChoiceByLanguageAndSystemVersion) {
    struct Case {
        LanguageId language;
        SystemVersion version;
        std::string_view text;
        int textHeight;
        std::string_view title;
    };
    const Case cases[] = {
        {LanguageId::CHS, {6, 2}, "黑体", 13, "黑体"},  {LanguageId::CHS, {6, 1}, "宋体", 13, "宋体"},
        {LanguageId::CHS, {10, 0}, "宋体", 13, "宋体"}, {LanguageId::CHT, {6, 2}, "黑体", 13, "黑体"},
        {LanguageId::CHT, {10, 0}, "黑体", 13, "黑体"}, {LanguageId::EN, {6, 2}, "Arial", 14, "Tahoma"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.text) + " " + std::to_string(c.version.major) + "." +
                     std::to_string(c.version.minor));
        const auto fonts = languageFonts(c.language, c.version);
        EXPECT_EQ(fonts.text.face, c.text);
        EXPECT_EQ(fonts.text.height, c.textHeight);
        EXPECT_EQ(fonts.text.weight, 400);
        EXPECT_EQ(fonts.title.face, c.title);
        EXPECT_EQ(fonts.title.height, 18);
        EXPECT_EQ(fonts.title.weight, 700);
    }
    // Linux never counts as version 6.2.
    EXPECT_EQ(languageFonts(LanguageId::CHS).text.face, "宋体");
}

}  // namespace
}  // namespace tarvik
