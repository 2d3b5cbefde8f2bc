// The Basic page driven by clicks offscreen, on the simulated mouse: the key matrices, DPI
// codes, colors, report rate and lighting the mouse holds after Apply, and the page's rules.
#include <gtest/gtest.h>

#include <QScrollBar>

#include "app/BasicPageRig.h"
#include "buttons/ButtonCatalogue.h"
#include "performance/DpiTables.h"
#include "simulator/SimulatedMouse.h"

namespace tarvik::test {
namespace {

namespace L = layout;

constexpr KeyEntry kOff{0, 0, 0, 0};

// Slots of KeyMatrix 1 and 3 after "Default", as the mouse must receive them.
const std::array<KeyEntry, 16> kDefaultMatrix{{
    {0x01, 0x00, 0xF0, 0x00},  // slot 0: button 0, Left Click
    {0x01, 0x00, 0xF1, 0x00},  // slot 1: button 1, Right Click
    {0x01, 0x00, 0xF2, 0x00},  // slot 2: button 2, Mid Click
    {0x01, 0x00, 0xF3, 0x00},  // slot 3: button 4, Backward
    {0x01, 0x00, 0xF4, 0x00},  // slot 4: button 3, Forward
    {0x07, 0x00, 0x03, 0x00},  // slot 5: button 5, DPI Loop
    kOff,                      // slot 6: button 7, Key Off
    {0x0A, 0xF0, 0x22, 0x03},  // slot 7: button 6, Triple-click
    kOff,
    kOff,
    kOff,
    kOff,
    kOff,
    kOff,
    {0x01, 0x00, 0xF7, 0x00},
    {0x01, 0x00, 0xF8, 0x00},
}};

TEST(BasicPage, DefaultThenApplySendsTheDefaultMatrices) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    rig.apply();
    for (int slot = 0; slot < 16; ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        EXPECT_EQ(rig.mouseEntry(1, slot), kDefaultMatrix[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(rig.mouseEntry(3, slot), kDefaultMatrix[static_cast<std::size_t>(slot)]);
        EXPECT_EQ(rig.mouseEntry(2, slot), kOff);
        EXPECT_EQ(rig.mouseEntry(4, slot), kOff);
    }
    const CaptionSet expected{"Left Click", "Right Click", "Mid Click", "Forward", "Backward", "DPI Loop",
                              "Fire Key",   "Key Off",     "Key Off",   "Key Off", "Key Off",  "Key Off"};
    EXPECT_EQ(rig.window->captions(), (Captions{expected, expected}));
}

TEST(BasicPage, DpiSubListActionsEncodeInTheShownModeOnly) {
    struct Case {
        int button, subItem;
        const char* caption;
        KeyEntry entry;
    };
    const Case cases[] = {
        {1, 2, "DPI Loop", {0x07, 0x00, 0x03, 0x00}},
        {2, 3, "Shift DPI", {0x07, 0x00, 0x04, 0x01}},
        {6, 0, "DPI +", {0x07, 0x00, 0x01, 0x00}},  // the list of box "7" stands right of the boxes
    };
    BasicRig rig;
    rig.click(L::kButtonDefault);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const int button = c.button;
        rig.assignDpi(button, c.subItem);
        EXPECT_EQ(rig.page().buttonList(), nullptr);
        EXPECT_EQ(rig.page().dpiSubList(), nullptr);
        EXPECT_EQ(rig.caption(0, button), c.caption);
        EXPECT_NE(rig.function(1, button), kFnDpiSwitch);  // Mode B is not touched
        rig.apply();
        EXPECT_EQ(rig.mouseEntry(1, kSlotOfButton[static_cast<std::size_t>(button)]), c.entry);
    }
}

TEST(BasicPage, ParameterItemsStoreWhatTheirDialogReturns) {
    struct Case {
        int item;
        std::function<void(FakeDialogs&)> answer;
        const char* caption;
        KeyEntry entry;
    };
    const Case cases[] = {
        {kFnComboKey,
         [](FakeDialogs& d) {
             d.comboChoice = ComboKeyResult{"Left Ctrl", "A", ""};
         },
         "Combo Key-Left Ctrl+A",
         {0x00, 0x01, 0x04, 0x00}},
        {kFnMacroKey,
         [](FakeDialogs& d) {
             d.macroChoice = MacroResult{2, 2, "Burst"};
         },
         "Macro Key-Burst",
         {0x09, 0x01, 0x03, 0x00}},
        {kFnMultimedia,
         [](FakeDialogs& d) {
             d.mediaChoice = MediaResult{0, "Next"};
         },
         "Multimedia-Next",
         {0x03, 0x00, 0xB5, 0x00}},
        {kFnWindows,
         [](FakeDialogs& d) {
             d.windowsChoice = WindowsResult{6, "Browser-Back"};
         },
         "Browser-Back",
         {0x03, 0x00, 0x24, 0x02}},
        {kFnFireKey,
         [](FakeDialogs& d) {
             d.fireChoice = FireKeyResult{37, "L-SHIFT", 5, 0};
         },
         "Fire Key-L-SHIFT",
         {0x0A, 0xE1, 0x05, 0x00}},
        {kFnSingleKey,
         [](FakeDialogs& d) { d.singleChoice = SingleKeyResult{"Enter"}; },
         "Single Key-Enter",
         {0x00, 0x00, 0x28, 0x00}},
        // A name without a code: the key is off while the caption still names it.
        {kFnSingleKey, [](FakeDialogs& d) { d.singleChoice = SingleKeyResult{"Mystery"}; }, "Single Key-Mystery", kOff},
    };
    BasicRig rig;
    rig.click(L::kButtonDefault);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        c.answer(rig.dialogs);
        rig.assign(1, c.item);
        EXPECT_EQ(rig.caption(0, 1), c.caption);
        EXPECT_EQ(rig.page().buttonList(), nullptr);
        rig.apply();
        EXPECT_EQ(rig.mouseEntry(1, 1), c.entry);
    }
}

TEST(BasicPage, ACancelledDialogLeavesTheButtonAsItWas) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    const ConfigRecord before = rig.record();
    for (int item = kFnWindows; item <= kFnMacroKey; ++item) {
        SCOPED_TRACE(item);
        rig.assign(2, item);              // every dialog answers nullopt
        EXPECT_EQ(rig.record(), before);  // function code and parameter rows alike
        EXPECT_EQ(rig.caption(0, 2), "Mid Click");
        EXPECT_EQ(rig.page().buttonList(), nullptr);
    }
    EXPECT_EQ(rig.dialogs.opened, 6);
}

TEST(BasicPage, TheDpiSwitchItemItselfChangesNothing) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    const ConfigRecord before = rig.record();
    rig.clickBox(1);
    BasicRig::chooseItem(rig.page().buttonList(), kFnDpiSwitch);
    EXPECT_EQ(rig.record(), before);
    EXPECT_EQ(rig.caption(0, 1), "Right Click");
    ASSERT_NE(rig.page().buttonList(), nullptr);  // the list stays open
    rig.click(700, 60);                           // a click beside it closes it
    EXPECT_EQ(rig.page().buttonList(), nullptr);
}

class ShiftRules : public ::testing::TestWithParam<int> {};

TEST_P(ShiftRules, OneShiftStandsInBothModesAndIsReplacedInBoth) {
    const int mode = GetParam(), other = 1 - mode;
    BasicRig rig;
    rig.click(L::kButtonDefault);
    rig.click(mode == 0 ? L::kModeA : L::kModeB);
    rig.assign(2, kFnShift);
    for (int m : {0, 1}) {
        EXPECT_EQ(rig.function(m, 2), kFnShift);
        EXPECT_EQ(rig.caption(m, 2), "Shift");
    }
    // A second Shift is refused without a message.
    rig.assign(1, kFnShift);
    EXPECT_EQ(rig.function(mode, 1), kFnRightClick);
    EXPECT_EQ(rig.caption(mode, 1), "Right Click");
    EXPECT_TRUE(rig.messages.shown.empty());
    // Replacing the Shift replaces it in both modes.
    rig.assign(2, kFnRightClick);
    for (int m : {0, 1}) {
        EXPECT_EQ(rig.function(m, 2), kFnRightClick);
        EXPECT_EQ(rig.caption(m, 2), "Right Click");
    }
    // ... and the other mode takes the parameters too, so it sends what its caption says.
    rig.assign(2, kFnShift);
    rig.dialogs.singleChoice = SingleKeyResult{"A"};
    rig.assign(2, kFnSingleKey);
    EXPECT_EQ(rig.caption(other, 2), "Single Key-A");
    rig.apply();
    EXPECT_EQ(rig.mouseEntry(1, 2), (KeyEntry{0x00, 0x00, 0x04, 0x00}));
    EXPECT_EQ(rig.mouseEntry(3, 2), (KeyEntry{0x00, 0x00, 0x04, 0x00}));
}

INSTANTIATE_TEST_SUITE_P(BasicPage, ShiftRules, ::testing::Values(0, 1),
                         [](const auto& info) { return info.param == 0 ? "ModeA" : "ModeB"; });

TEST(BasicPage, TheOnlyLeftClickCannotBeReassigned) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    rig.clickBox(0);
    EXPECT_EQ(rig.page().buttonList(), nullptr);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0], (std::pair<std::string, std::string>{"Left key must be selected!", "Warning"}));
    rig.assign(1, kFnLeftClick);
    rig.clickBox(0);
    EXPECT_NE(rig.page().buttonList(), nullptr);
    EXPECT_EQ(rig.messages.shown.size(), 1u);
}

TEST(BasicPage, ModeButtonsShowTheirModesCaptions) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    rig.click(L::kModeB);
    EXPECT_EQ(rig.record().currentKeyMode, 1);
    rig.assign(1, kFnKeyOff);
    EXPECT_EQ(rig.function(1, 1), kFnKeyOff);
    EXPECT_EQ(rig.function(0, 1), kFnRightClick);
    EXPECT_EQ(rig.page().buttons()->caption(1), "Key Off");
    rig.click(L::kModeA);
    EXPECT_EQ(rig.record().currentKeyMode, 0);
    EXPECT_EQ(rig.page().buttons()->caption(1), "Right Click");
}

TEST(BasicPage, TicksFollowTheSensorInUse) {
    struct Case {
        int sensor, tick;
        int level;  // -1: the click is ignored
        Byte code;
    };
    const Case cases[] = {{1, 10, -1, 0x01}, {1, 8, 7, 0x25}, {0, 10, 9, 0x26}, {2, 9, -1, 0x02}};
    for (const Case& c : cases) {
        SCOPED_TRACE("sensor " + std::to_string(c.sensor) + " tick " + std::to_string(c.tick));
        BasicRig rig(c.sensor);
        rig.click(L::dpiStageBox(0));  // all stages are off in an all-zero record
        rig.click(L::dpiTick(0, c.tick));
        EXPECT_EQ(rig.record().dpiLevel[0], c.level < 0 ? 0 : c.level);
        rig.apply();
        EXPECT_EQ(rig.sim.mouse().state().dpiCodes[0], c.code);
    }
}

TEST(BasicPage, TheLastStageOnStaysOn) {
    BasicRig rig;
    rig.click(L::dpiStageBox(2));
    EXPECT_EQ(rig.record().dpiEnabled, (std::array<Byte, 4>{0, 0, 1, 0}));
    rig.click(L::dpiStageBox(2));
    EXPECT_EQ(rig.record().dpiEnabled, (std::array<Byte, 4>{0, 0, 1, 0}));
    rig.click(L::dpiStageBox(0));
    rig.click(L::dpiStageBox(2));
    EXPECT_EQ(rig.record().dpiEnabled, (std::array<Byte, 4>{1, 0, 0, 0}));
    rig.apply();
    EXPECT_EQ(rig.sim.mouse().state().dpiCodes, (std::array<Byte, 8>{0x01, 0x81, 0x81, 0x81, 0x80, 0x80, 0x80, 0x80}));
}

TEST(BasicPage, OnlyTheSwatchOfAStageThatIsOnOpensTheChooser) {
    BasicRig rig;
    rig.colors.answer = platform::Rgb{10, 20, 30};
    rig.click(L::dpiSwatch(1));
    EXPECT_EQ(rig.colors.opened, 0);
    rig.click(L::dpiStageBox(1));
    rig.click(L::dpiSwatch(1));
    EXPECT_EQ(rig.colors.opened, 1);
    EXPECT_EQ(rig.colors.lastInitial, (platform::Rgb{0, 0, 0}));
    rig.colors.answer.reset();  // a cancelled chooser keeps the color
    rig.click(L::dpiSwatch(1));
    rig.apply();
    const auto& block = rig.sim.mouse().state().colorBlocks[1];
    EXPECT_EQ(std::vector<Byte>(block.begin(), block.begin() + 6), (std::vector<Byte>{0, 0, 0, 10, 20, 30}));
}

TEST(BasicPage, ReportRatePositions) {
    BasicRig rig;
    rig.click(L::reportRateStop(0));
    EXPECT_EQ(rig.record().reportRateCode, 8);
    rig.click(L::reportRateStop(2));
    rig.apply();
    EXPECT_EQ(rig.sim.mouse().state().reportRate, 2);
}

TEST(BasicPage, LightingPayloadsAndPerModeMemory) {
    BasicRig rig;
    using simulator::kDefaultEffect;
    using simulator::kDefaultOptionSets;
    // An all-zero record: the mouse keeps its own lighting.
    rig.apply();
    EXPECT_EQ(rig.sim.mouse().state().lightEffect, kDefaultEffect);
    EXPECT_EQ(rig.sim.mouse().state().lightOptionSets, kDefaultOptionSets);
    // Neon at 15 s with "RGB Fixed On".
    rig.chooseLight(0, 2);
    rig.chooseLight(1, 29);
    rig.chooseLight(2, 1);
    rig.apply();
    EXPECT_EQ(rig.sim.mouse().state().lightEffect, (std::array<Byte, 3>{3, 30, kDefaultEffect[2]}));
    EXPECT_EQ(rig.sim.mouse().state().lightOptionSets[0], (std::array<Byte, 3>{3, 5, 5}));
    // Respiration and back: Neon keeps its period and effect.
    rig.chooseLight(0, 1);
    rig.chooseLight(1, 4);
    rig.chooseLight(0, 2);
    EXPECT_EQ(rig.record().lightParamNeon, 29);
    EXPECT_EQ(rig.record().lightEffectNeon, 3);
    EXPECT_EQ(rig.record().lightParamRespiration, 4);
    // Standard at 100%.
    rig.chooseLight(0, 0);
    rig.chooseLight(1, 9);
    rig.apply();
    EXPECT_EQ(rig.sim.mouse().state().lightEffect, (std::array<Byte, 3>{1, 10, 2}));
    EXPECT_EQ(rig.sim.mouse().state().lightOptionSets[0][0], 1);
}

// The group sits at the window's bottom edge: each list opens where all its entries show, with
// no horizontal scroll bar and clear of OK and Apply.
TEST(BasicPage, LightingListsOpenWhereAllTheirEntriesFit) {
    struct Case {
        const char* language;
        int mode;  // mode list entry chosen first (0 Standard, 1 Respiration, 2 Neon); -1 none
        int row;   // 0 mode, 1 parameter, 2 effect
        int entries;
    };
    const Case cases[] = {
        {"EN", -1, 0, 3},  {"CHS", -1, 0, 3}, {"EN", 0, 1, 10}, {"EN", 2, 1, 30},
        {"CHT", 2, 1, 30}, {"EN", 1, 2, 2},   {"CHS", 2, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.language) + " row " + std::to_string(c.row) + " after mode " +
                     std::to_string(c.mode));
        BasicRig rig(0, c.language);
        if (c.mode >= 0) rig.chooseLight(0, c.mode);
        rig.click(L::lightValue(c.row));
        QListWidget* list = rig.page().lightList();
        ASSERT_NE(list, nullptr);
        ASSERT_EQ(list->count(), c.entries);
        EXPECT_TRUE(rig.window->rect().contains(list->geometry()));
        EXPECT_FALSE(list->geometry().intersects(
            QRect(QPoint(L::kOk.left, L::kOk.top), QPoint(L::kApply.right, L::kApply.bottom))));
        EXPECT_FALSE(list->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(list->verticalScrollBar()->isVisible());
        for (int i = 0; i < list->count(); ++i)
            EXPECT_TRUE(list->viewport()->rect().contains(list->visualItemRect(list->item(i)))) << "entry " << i;
    }
}

TEST(BasicPage, ListsFollowTheInterfaceLanguage) {
    BasicRig rig(0, "CHS");
    rig.click(L::kButtonDefault);
    EXPECT_EQ(rig.caption(0, 0), "左键");
    rig.clickBox(0);
    ASSERT_EQ(rig.messages.shown.size(), 1u);
    EXPECT_EQ(rig.messages.shown[0].first, "左键功能必须选择！");
    rig.clickBox(1);
    ASSERT_NE(rig.page().buttonList(), nullptr);
    EXPECT_EQ(rig.page().buttonList()->count(), 16);
    EXPECT_EQ(rig.page().buttonList()->item(14)->text(), QStringLiteral("Shift"));
    EXPECT_EQ(rig.page().buttonList()->item(15)->text(), QStringLiteral("按键关闭"));
    rig.dialogs.mediaChoice = MediaResult{0, "下一首"};
    BasicRig::chooseItem(rig.page().buttonList(), kFnMultimedia);
    EXPECT_EQ(rig.caption(0, 1), "多媒体-下一首");
}

TEST(BasicPage, CancelRevertsTheRecordAndTheCaptionsFallBackWhenShownAgain) {
    BasicRig rig;
    rig.click(L::kButtonDefault);
    rig.apply();
    rig.assign(1, kFnKeyOff);
    rig.click(L::kCancel);
    EXPECT_EQ(rig.function(0, 1), kFnRightClick);
    rig.tray.click();
    EXPECT_EQ(rig.caption(0, 1), "Right Click");
    EXPECT_EQ(rig.page().buttons()->caption(1), "Right Click");
}

}  // namespace
}  // namespace tarvik::test
