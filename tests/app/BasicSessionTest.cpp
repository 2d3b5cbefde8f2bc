// A whole session on the Basic page over the simulated mouse: every entry kind on some
// button in both key modes, DPI stages, colors, report rate and lighting, then Apply; the
// mouse, "config.bin" and the captions of "str.ini" must hold exactly what was set.
#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <fstream>

#include "app/BasicPageRig.h"
#include "app/SkinnedParameterDialogs.h"
#include "buttons/ButtonCatalogue.h"

namespace tarvik::test {
namespace {

namespace L = layout;

QPoint centre(const L::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

constexpr KeyEntry kOff{0, 0, 0, 0};
constexpr KeyEntry kSlot14{0x01, 0x00, 0xF7, 0x00}, kSlot15{0x01, 0x00, 0xF8, 0x00};

void scriptModeA(BasicRig& rig) {
    rig.click(L::kModeA);
    rig.assign(1, kFnShift);  // stands in Mode B too
    rig.dialogs.windowsChoice = WindowsResult{1, "Mail"};
    rig.assign(2, kFnWindows);
    rig.dialogs.mediaChoice = MediaResult{4, "Mute"};
    rig.assign(3, kFnMultimedia);
    rig.dialogs.fireChoice = FireKeyResult{54, "L-Button", 10, 3};
    rig.assign(4, kFnFireKey);
    rig.dialogs.singleChoice = SingleKeyResult{"F5"};
    rig.assign(5, kFnSingleKey);
    rig.dialogs.comboChoice = ComboKeyResult{"Right Shift", "Tab", "Q"};
    rig.assign(6, kFnComboKey);
}

void scriptModeB(BasicRig& rig) {
    rig.click(L::kModeB);
    rig.dialogs.macroChoice = MacroResult{11, 3, "Last"};
    rig.assign(2, kFnMacroKey);
    rig.assign(4, kFnRightClick);
    rig.assignDpi(5, 1);
    rig.assign(6, kFnRgbOnOff);
}

void scriptPerformance(BasicRig& rig) {
    rig.click(L::dpiStageBox(0));
    rig.click(L::dpiStageBox(1));
    rig.click(L::dpiTick(0, 3));
    rig.click(L::dpiTick(1, 12));
    rig.colors.answer = platform::Rgb{255, 0, 0};
    rig.click(L::dpiSwatch(0));
    rig.colors.answer = platform::Rgb{0, 128, 255};
    rig.click(L::dpiSwatch(1));
    rig.click(L::reportRateStop(1));
    rig.chooseLight(0, 1);  // Respiration
    rig.chooseLight(1, 2);  // "6S"
    rig.chooseLight(2, 1);  // "RGB Flash"
}

TEST(BasicSession, EverySettingReachesTheMouseAndTheFiles) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    scriptModeA(rig);
    scriptModeB(rig);
    scriptPerformance(rig);
    rig.apply();

    const std::array<KeyEntry, 16> matrix1{{
        {0x01, 0x00, 0xF0, 0x00},  // button 0 Left Click
        {0x08, 0x00, 0x02, 0x00},  // button 1 Shift
        {0x03, 0x00, 0x8A, 0x01},  // button 2 Windows "Mail"
        {0x0A, 0xF0, 0x0A, 0x03},  // button 4 Fire Key, left button, speed 10, 3 times
        {0x03, 0x00, 0xE2, 0x00},  // button 3 Multimedia "Mute"
        {0x00, 0x00, 0x3E, 0x00},  // button 5 Single Key F5
        kOff,                      // button 7 Key Off
        {0x00, 0x20, 0x2B, 0x14},  // button 6 Combo Right Shift + Tab + Q
        kOff,
        kOff,
        kOff,
        kOff,
        kOff,
        kOff,
        kSlot14,
        kSlot15,
    }};
    const std::array<KeyEntry, 16> matrix3{{
        {0x01, 0x00, 0xF0, 0x00},  // button 0 Left Click
        {0x08, 0x00, 0x02, 0x00},  // button 1 Shift
        {0x09, 0x02, 0x0C, 0x00},  // button 2 macro 12, repeat mode 3
        {0x01, 0x00, 0xF1, 0x00},  // button 4 Right Click
        {0x01, 0x00, 0xF4, 0x00},  // button 3 Forward (default)
        {0x07, 0x00, 0x02, 0x00},  // button 5 DPI -
        kOff,                      // button 7 Key Off
        {0x08, 0x00, 0x03, 0x00},  // button 6 RGB On/Off
        kOff,
        kOff,
        kOff,
        kOff,
        kOff,
        kOff,
        kSlot14,
        kSlot15,
    }};
    for (int slot = 0; slot < 16; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(rig.mouseEntry(1, slot), matrix1[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(rig.mouseEntry(3, slot), matrix3[static_cast<std::size_t>(slot)]);
    }
    const simulator::MouseState& mouse = rig.sim.mouse().state();
    EXPECT_EQ(mouse.dpiCodes, (std::array<Byte, 8>{0x03, 0x28, 0x81, 0x81, 0x80, 0x80, 0x80, 0x80}));
    std::array<Byte, 24> colors{};
    const Byte set[] = {255, 0, 0, 0, 128, 255};
    std::copy(std::begin(set), std::end(set), colors.begin());
    EXPECT_EQ(mouse.colorBlocks[1], colors);
    EXPECT_EQ(mouse.reportRate, 4);
    EXPECT_EQ(mouse.lightEffect, (std::array<Byte, 3>{2, 3, 3}));
    EXPECT_EQ(mouse.lightOptionSets[0], (std::array<Byte, 3>{2, 100, 3}));

    // "config.bin": the first-run flag set, then the record as edited.
    std::ifstream file(rig.data_dir / "config.bin", std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    ASSERT_EQ(bytes.size(), kConfigFileSize);
    EXPECT_EQ(bytes[0], 1);
    const RecordBytes record = toBytes(rig.record());
    EXPECT_TRUE(std::equal(record.begin(), record.end(), reinterpret_cast<const Byte*>(bytes.data()) + 1));
    EXPECT_EQ(bytes[1 + 1925], 4);  // report rate
    EXPECT_EQ(bytes[1 + 1947], 2);  // Respiration

    const CaptionSet modeA{"Left Click",
                           "Shift",
                           "Mail",
                           "Multimedia-Mute",
                           "Fire Key-L-Button",
                           "Single Key-F5",
                           "Combo Key-Right Shift+Tab+Q",
                           "Key Off",
                           "Key Off",
                           "Key Off",
                           "Key Off",
                           "Key Off"};
    const CaptionSet modeB{"Left Click", "Shift",   "Macro Key-Last", "Forward", "Right Click", "DPI -",
                           "RGB On/Off", "Key Off", "Key Off",        "Key Off", "Key Off",     "Key Off"};
    EXPECT_EQ(LoadInterfaceSettings(rig.data->paths().strIni, "Setting-EN").captions, (Captions{modeA, modeB}));
}

// The mouse is pulled out during Apply: the window tells nothing, as for any device failure,
// but its debug log says after how many commands, and the files are still saved.
TEST(BasicSession, AMouseThatStopsAnsweringDuringApplyIsNotedInTheDebugLog) {
    std::vector<std::string> debugLog;
    ShellHooks hooks;
    hooks.debugLog = [&](const std::string& line) { debugLog.push_back(line); };
    BasicRig rig(0, "", std::move(hooks));
    rig.sim.unplugAfterTransfers(3);  // the report rate and the effect read go through
    rig.apply();
    EXPECT_TRUE(rig.messages.shown.empty());
    EXPECT_NE(std::find(debugLog.begin(), debugLog.end(), "the mouse stopped answering after 2 of 40 commands"),
              debugLog.end());
    std::ifstream file(rig.data_dir / "config.bin", std::ios::binary);
    EXPECT_EQ(file.get(), 1) << "config.bin was not saved";
}

}  // namespace
}  // namespace tarvik::test

namespace tarvik::test {
namespace {

// The program's own dialogs behind the lists: OK on a fresh dialog confirms its first item.
TEST(BasicSession, TheSkinnedDialogsAnswerTheLists) {
    BasicRig rig;
    SkinnedParameterDialogs real(
        rig.window.get(), rig.window->skin(), [] { return LanguageId::EN; }, rig.messages, rig.data->paths().recordIni);
    rig.window->setParameterDialogs(&real);
    rig.click(L::kButtonDefault);
    struct Case {
        int item;
        QPoint press;  // OK or Cancel of the dialog
        const char* caption;
    };
    const QPoint ok = centre(L::kDialogOk), cancel = centre(L::kDialogCancel);
    const Case cases[] = {
        {kFnMultimedia, ok, "Multimedia-Next"}, {kFnWindows, cancel, "Multimedia-Next"},
        {kFnWindows, ok, "Multimedia Player"},  {kFnFireKey, ok, "Fire Key-A"},
        {kFnSingleKey, cancel, "Fire Key-A"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        QTimer::singleShot(0, [&c] {
            auto* dialog = dynamic_cast<ui::SkinnedDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dialog, nullptr);
            dialog->clickAt(c.press);
        });
        rig.assign(1, c.item);
        EXPECT_EQ(rig.caption(0, 1), c.caption);
    }
    rig.apply();
    EXPECT_EQ(rig.mouseEntry(1, 1), (KeyEntry{0x0A, 0x04, 0x20, 0x01}));
}

}  // namespace
}  // namespace tarvik::test
