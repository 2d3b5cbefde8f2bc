// Tests of "str.ini": caption keys, color parsing, the caption section of the interface
// language and the first-run captions.
#include "settings/InterfaceSettings.h"

#include <gtest/gtest.h>

#include "base/ProfileFile.h"
#include "settings/TempFolder.h"
#include "ui/Language.h"
#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

TEST(CaptionKeyTest, ModeAIsItem1To12AndModeBAppendsA3) {
    struct Case {
        int mode;
        std::size_t button;
        const char* key;
    };
    const Case cases[] = {
        {0, 0, "Item1"}, {0, 9, "Item10"}, {0, 11, "Item12"}, {1, 0, "Item13"}, {1, 9, "Item103"}, {1, 11, "Item123"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(captionKey(c.mode, c.button), c.key);
    }
}

TEST(ColorComponentTest, LowEightBitsOfTheDecimalValue) {
    const std::pair<const char*, int> cases[] = {
        {"255", 255}, {"300", 44}, {"256", 0}, {"abc", 0}, {"", 0}, {"12abc", 12}, {"-1", 255}, {" 7", 7},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(colorComponentFromText(text), expected);
    }
}

Captions numberedCaptions(std::string_view prefix) {
    Captions captions;
    for (std::size_t b = 0; b < kButtonCount; ++b) {
        captions.modeA[b] = std::string(prefix) + "A" + std::to_string(b);
        captions.modeB[b] = std::string(prefix) + "B" + std::to_string(b);
    }
    return captions;
}

class StrIniTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::filesystem::path strIni = folder / "str.ini";
};

TEST_F(StrIniTest, MissingFileGivesEmptyCaptionsAndBlackText) {
    const auto settings = LoadInterfaceSettings(strIni, "Setting-EN");
    EXPECT_EQ(settings.captions, Captions{});
    EXPECT_EQ(settings.skinName, "");
    EXPECT_EQ(uiTextColorFrom(settings), (UiTextColor{0, 0, 0}));
    EXPECT_EQ(UiTextColor{}, (UiTextColor{0, 255, 0}));  // before the file is read
}

TEST_F(StrIniTest, SavedCaptionsAndSkinReadBack) {
    const auto captions = numberedCaptions("x");
    ASSERT_FALSE(SaveCaptions(strIni, "Setting-EN", captions));
    ASSERT_FALSE(SaveSkinSettings(strIni, {"Dark Blue", {300 % 256, 128, 7}}));
    const auto settings = LoadInterfaceSettings(strIni, "setting-en");
    EXPECT_EQ(settings.captions, captions);
    EXPECT_EQ(settings.skinName, "Dark Blue");
    EXPECT_EQ(settings.redText, "44");
    EXPECT_EQ(uiTextColorFrom(settings), (UiTextColor{44, 128, 7}));
}

TEST_F(StrIniTest, OnlyThe24CaptionKeysAreWrittenInOrder) {
    ASSERT_FALSE(SaveCaptions(strIni, "Setting-EN", numberedCaptions("")));
    ProfileDocument document;
    ASSERT_FALSE(readProfileFile(strIni, document));
    std::vector<std::string> keys;
    for (const auto& entry : document.entries("Setting-EN")) keys.push_back(entry.key);
    std::vector<std::string> expected;
    for (std::size_t b = 0; b < kButtonCount; ++b) expected.push_back(captionKey(0, b));
    for (std::size_t b = 0; b < kButtonCount; ++b) expected.push_back(captionKey(1, b));
    EXPECT_EQ(keys, expected);
}

TEST_F(StrIniTest, ChineseCaptionsRoundTripByteIdentical) {
    const auto catalogue = ApplyCatalogue(LanguageId::CHT);
    auto captions = defaultCaptions(catalogue);
    captions.modeB[3] = std::string(catalogue.text(TextRow::SingleKey)) + "-Num 1";
    captions.modeB[4] = "  前後空白  ";
    ASSERT_FALSE(SaveCaptions(strIni, catalogue.captionSection(), captions));
    EXPECT_EQ(LoadInterfaceSettings(strIni, "Setting-CHT").captions, captions);
    const auto bytes = test::readBytes(strIni);
    EXPECT_FALSE(bytes.size() >= 3 && bytes[0] == 0xEF);  // no byte-order mark
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_NE(text.find("Item1=左鍵\n"), std::string::npos);  // UTF-8 on disk
}

TEST_F(StrIniTest, CaptionsOfOneLanguageLeaveTheOthersUntouched) {
    const std::string handEdited = "[Skins]\nLan=CHS\n[Setting-EN]\nItem1=Mine\n; keep me\n";
    test::writeBytes(strIni, {handEdited.begin(), handEdited.end()});
    const auto language = ReadLanguage(strIni);
    ASSERT_EQ(language, LanguageId::CHS);
    const auto catalogue = ApplyCatalogue(language);
    ASSERT_FALSE(SaveCaptions(strIni, catalogue.captionSection(), numberedCaptions("c")));
    const auto bytes = test::readBytes(strIni);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_TRUE(text.starts_with(handEdited + "[Setting-CHS]\n"));
    EXPECT_EQ(LoadInterfaceSettings(strIni, "Setting-EN").captions.modeA[0], "Mine");
}

TEST_F(StrIniTest, FirstRunRewritesAll24CaptionsWithTheDefaults) {
    ASSERT_FALSE(SaveCaptions(strIni, "Setting-CHS", numberedCaptions("old")));
    const auto catalogue = ApplyCatalogue(LanguageId::CHS);
    ASSERT_FALSE(SaveCaptions(strIni, catalogue.captionSection(), defaultCaptions(catalogue)));
    const auto captions = LoadInterfaceSettings(strIni, "Setting-CHS").captions;
    const CaptionSet expected = {"左键",   "右键",     "中键",     "前进方向键", "后退方向键", "DPI Loop",
                                 "火力键", "按键关闭", "按键关闭", "按键关闭",   "按键关闭",   "按键关闭"};
    EXPECT_EQ(captions.modeA, expected);
    EXPECT_EQ(captions.modeB, expected);
}

}  // namespace
}  // namespace tarvik
