// Tests of the macro area model: recording keystrokes, Ctrl+Break, mouse events, delays,
// New/Delete/Save over a temporary "record.ini", and the loop field.
#include "macros/MacroEditor.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "macros/EventLines.h"
#include "macros/MacroSlot.h"
#include "macros/MacroStore.h"
#include "platform/fake/FakeMessageBox.h"
#include "settings/TempFolder.h"

namespace tarvik {
namespace {

using Lines = std::vector<std::string>;
using Names = std::vector<std::string>;
using Shown = std::vector<std::pair<std::string, std::string>>;

struct Key {
    const char* name;
    KeyTransition transition;
    bool autoRepeat = false;
};
constexpr auto Dn = KeyTransition::Press;
constexpr auto Up = KeyTransition::Release;

class MacroEditorTest : public ::testing::Test {
protected:
    // Writes the macros in this order, each with two lines, and builds the page.
    void build(const Names& names) {
        for (const auto& name : names) {
            const Lines lines = {name + "   Dn", "50 ms"};
            ASSERT_FALSE(SaveMacroLines(recordIni, name, lines));
        }
        editor.BuildPage();
    }
    void press(const std::vector<Key>& keys) {
        for (const auto& key : keys) {
            editor.OnRecordKey(key.name, key.transition, key.autoRepeat);
        }
    }
    void startRecording() {
        editor.StartRecording();
        messages.shown.clear();
    }

    test::TempFolder folder;
    std::filesystem::path recordIni = folder / "record.ini";
    ConfigRecord record;
    platform::FakeMessageBox messages;
    TextCatalogue texts{LanguageId::EN};
    MacroEditor editor{recordIni, record, messages, texts};
};

// `lines` while recording; Stop then adds `released`: the release of every key still held, the
// last pressed first, so a macro never leaves a key down.
TEST_F(MacroEditorTest, RecordedKeystrokesBecomeLines) {
    struct Case {
        const char* what;
        std::vector<Key> keys;
        Lines lines;
        Lines released = {};
    };
    const Case cases[] = {
        {"a held key gives one press line",
         {{"A", Dn}, {"A", Dn, true}, {"A", Dn, true}, {"A", Up}},
         {"A   Dn", "50 ms", "A   Up"}},
        {"A then B gives seven lines",
         {{"A", Dn}, {"A", Up}, {"B", Dn}, {"B", Up}},
         {"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"}},
        {"a key pressed before the recording leaves no release line",
         {{"Enter", Up}, {"A", Dn}},
         {"A   Dn"},
         {"50 ms", "A   Up"}},
        {"a repeat of a key not recorded last is its press",
         {{"A", Dn}, {"B", Dn, true}},
         {"A   Dn", "50 ms", "B   Dn"},
         {"50 ms", "B   Up", "50 ms", "A   Up"}},
        {"X11 repeats a held key as release and press pairs",
         {{"A", Dn}, {"A", Up, true}, {"A", Dn, true}, {"A", Up, true}, {"A", Dn, true}, {"A", Up}},
         {"A   Dn", "50 ms", "A   Up"}},
        {"a repeat under another key held is no second press",
         {{"Shift", Dn}, {"A", Dn}, {"A", Up}, {"Shift", Dn, true}, {"Shift", Up}},
         {"Shift   Dn", "50 ms", "A   Dn", "50 ms", "A   Up", "50 ms", "Shift   Up"}},
        {"an unflagged press of a held key is a repeat",
         {{"A", Dn}, {"A", Dn}, {"A", Up}},
         {"A   Dn", "50 ms", "A   Up"}},
        {"keys held at Stop",
         {{"Ctrl", Dn}, {"Shift", Dn}, {"A", Dn}, {"A", Up}},
         {"Ctrl   Dn", "50 ms", "Shift   Dn", "50 ms", "A   Dn", "50 ms", "A   Up"},
         {"50 ms", "Shift   Up", "50 ms", "Ctrl   Up"}},
    };
    build({"M"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startRecording();
        press(c.keys);
        EXPECT_EQ(editor.eventLines(), c.lines);
        EXPECT_EQ(editor.selectedLine(), c.lines.size() - 1);
        editor.StopRecording();
        Lines stopped = c.lines;
        stopped.insert(stopped.end(), c.released.begin(), c.released.end());
        EXPECT_EQ(editor.eventLines(), stopped);
        EXPECT_EQ(editor.selectedLine(), stopped.size() - 1);
    }
}

TEST_F(MacroEditorTest, StartRecordingAsksThenClearsAndSwallowsKeys) {
    build({"M"});
    EXPECT_FALSE(editor.swallowsKeyDown());
    EXPECT_EQ(editor.recordingTitle(), "");
    editor.StartRecording();
    EXPECT_EQ(messages.shown, (Shown{{"Start Recording", ""}}));
    EXPECT_TRUE(editor.eventLines().empty());
    EXPECT_TRUE(editor.swallowsKeyDown());
    EXPECT_TRUE(editor.recorder().firstPressPending());
    EXPECT_EQ(editor.recordingTitle(), "Press Ctrl+Break key to stop recording");
    editor.LeavePage();  // leaving the page stops without a message
    EXPECT_FALSE(editor.swallowsKeyDown());
    EXPECT_EQ(messages.shown.size(), 1u);
}

TEST_F(MacroEditorTest, StartWithNoMacroWarnsAndDoesNotRecord) {
    editor.BuildPage();
    editor.StartRecording();
    EXPECT_EQ(messages.shown, (Shown{{"Macro name is blank", "Warning"}}));
    EXPECT_FALSE(editor.recorder().recordingActive());
    EXPECT_FALSE(editor.swallowsKeyDown());
}

TEST_F(MacroEditorTest, StopWithoutRecordingWarnsEveryTime) {
    build({"M"});
    const std::pair<std::string, std::string> stop{"Stop Recording", ""};
    const std::pair<std::string, std::string> warning{"It doesn’t start recording, unnecessary to press Stop key!",
                                                      "Warning"};
    editor.StopRecording();
    editor.StopRecording();
    EXPECT_EQ(messages.shown, (Shown{stop, warning, stop, warning}));

    startRecording();
    editor.StopRecording();
    editor.StopRecording();
    EXPECT_EQ(messages.shown, (Shown{stop, stop, warning}));
}

TEST_F(MacroEditorTest, KeysWithNoMacroSelectedAreDropped) {
    build({"M", "N"});
    editor.DeleteSelectedMacro();  // the list keeps N, with nothing selected
    ASSERT_FALSE(editor.selectedMacro());
    startRecording();
    ASSERT_TRUE(editor.recorder().recordingActive());
    press({{"A", Dn}, {"A", Up}});
    EXPECT_TRUE(editor.eventLines().empty());
    EXPECT_EQ(editor.recorder().lastKeyName(), "");

    editor.StopRecording();
    editor.SelectMacro(0);
    const auto shown = editor.eventLines();
    press({{"A", Dn}});  // not recording: nothing
    EXPECT_EQ(editor.eventLines(), shown);
}

TEST_F(MacroEditorTest, CtrlBreakDropsTheCtrlPressAndStops) {
    struct Case {
        const char* what;
        std::vector<Key> keys;
        Lines lines;
    };
    const Case cases[] = {
        {"Ctrl as the first press", {{"Ctrl", Dn}}, {}},
        {"Ctrl after a key", {{"A", Dn}, {"A", Up}, {"Ctrl", Dn}}, {"A   Dn", "50 ms", "A   Up"}},
        {"Ctrl held over a key", {{"Ctrl", Dn}, {"A", Dn}, {"A", Up}}, {"A   Dn", "50 ms", "A   Up"}},
        {"after a release first", {{"Enter", Up}, {"Right Ctrl", Dn}}, {}},
        {"another key held is released", {{"Shift", Dn}, {"Ctrl", Dn}}, {"Shift   Dn", "50 ms", "Shift   Up"}},
        {"a Ctrl already released stays", {{"Ctrl", Dn}, {"Ctrl", Up}}, {"Ctrl   Dn", "50 ms", "Ctrl   Up"}},
    };
    build({"M"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        startRecording();
        press(c.keys);
        editor.StopKey();
        EXPECT_EQ(editor.eventLines(), c.lines);
        EXPECT_FALSE(editor.recorder().recordingActive());
        EXPECT_EQ(messages.shown, (Shown{{"Stop Recording", ""}}));
    }
    EXPECT_TRUE(isStopKeystroke("Pause", Dn, true));
    EXPECT_FALSE(isStopKeystroke("Pause", Dn, false));
    EXPECT_FALSE(isStopKeystroke("Pause", Up, true));
    messages.shown.clear();
    editor.StopKey();  // not recording: Ctrl+Break is an ordinary key
    EXPECT_TRUE(messages.shown.empty());
}

// The keys that close the "Start Recording" and "Stop Recording" boxes, and the Ctrl and Pause
// released while the box that Ctrl+Break opens is shown, belong to no macro.
TEST_F(MacroEditorTest, KeysTypedIntoTheBoxesAreNotRecorded) {
    struct Case {
        const char* what;
        bool ctrlBreak;
        std::vector<Key> inStopBox;
        std::vector<Key> afterStop;
    };
    const Case cases[] = {
        {"Stop Recording closed with Enter", false, {{"Enter", Dn}}, {{"Enter", Up}}},
        {"Ctrl+Break, then Enter", true, {{"Ctrl", Up}, {"Pause", Up}, {"Enter", Dn}}, {{"Enter", Up}}},
    };
    build({"M"});
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        messages.whileShown = [this] { press({{"Enter", Dn}}); };
        editor.StartRecording();
        messages.whileShown = nullptr;
        press({{"Enter", Up}, {"A", Dn}, {"A", Up}});
        if (c.ctrlBreak) press({{"Ctrl", Dn}});
        messages.whileShown = [this, &c] { press(c.inStopBox); };
        if (c.ctrlBreak) editor.StopKey();
        else editor.StopRecording();
        messages.whileShown = nullptr;
        press(c.afterStop);
        EXPECT_EQ(editor.eventLines(), (Lines{"A   Dn", "50 ms", "A   Up"}));
    }
}

TEST_F(MacroEditorTest, InsertMouseEvent) {
    constexpr std::size_t lClick = 0;
    constexpr std::size_t rDown = 5;  // "R-Button   Dn"
    struct Case {
        const char* what;
        Lines lines;
        std::optional<std::size_t> selected;
        std::size_t choice;
        Lines expected;
        std::optional<std::size_t> selectedAfter;
    };
    const Case cases[] = {
        {"click into an empty list", {}, {}, lClick, {"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"}, {}},
        {"plain entry into an empty list", {}, {}, rDown, {"R-Button   Dn", "50 ms"}, {}},
        {"no selected line in a filled list", {"A   Dn"}, {}, lClick, {"A   Dn"}, {}},
        {"click after an event line",
         {"A   Dn", "50 ms", "A   Up"},
         0,
         lClick,
         {"A   Dn", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up", "50 ms", "A   Up"},
         2},
        {"plain entry after an event line", {"A   Dn"}, 0, rDown, {"A   Dn", "50 ms", "R-Button   Dn"}, 2},
        {"click after a delay line",
         {"A   Dn", "50 ms", "A   Up"},
         1,
         lClick,
         {"A   Dn", "50 ms", "L-Button   Dn", "50 ms", "L-Button   Up", "50 ms", "A   Up"},
         2},
        {"plain entry after a delay line",
         {"A   Dn", "50 ms", "A   Up"},
         1,
         rDown,
         {"A   Dn", "50 ms", "R-Button   Dn", "50 ms", "A   Up"},
         2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(recordIni);
        ASSERT_FALSE(SaveMacroLines(recordIni, "M", c.lines));
        editor.BuildPage();
        if (c.selected) {
            editor.SelectEventLine(*c.selected);
        }
        editor.ToggleMouseEventList();
        ASSERT_TRUE(editor.mouseEventListOpen());
        editor.InsertMouseEvent(c.choice);
        EXPECT_EQ(editor.eventLines(), c.expected);
        EXPECT_EQ(editor.selectedLine(), c.selectedAfter);
        EXPECT_EQ(editor.mouseEventHeader(), mouseEventChoices[c.choice]);
        EXPECT_FALSE(editor.mouseEventListOpen());
    }
}

TEST_F(MacroEditorTest, ClickIntoAnEmptyListWithNoMacroSelectedInsertsNothing) {
    editor.BuildPage();
    editor.ToggleMouseEventList();
    editor.InsertMouseEvent(0);
    EXPECT_TRUE(editor.eventLines().empty());
    EXPECT_EQ(editor.mouseEventHeader(), "L-Button Click");
    EXPECT_FALSE(editor.mouseEventListOpen());
}

TEST_F(MacroEditorTest, EditDelayTakesTheDialogsResult) {
    struct Case {
        const char* what;
        std::optional<EnteredDelay> entry;
        std::string line;
    };
    const Case cases[] = {
        {"below the range", EnteredDelay{5, "5"}, "20 ms"},
        {"above the range", EnteredDelay{12000, "12000"}, "10000 ms"},
        {"digits as typed", EnteredDelay{150, "0150"}, "0150 ms"},
        {"empty field", EnteredDelay{0, ""}, "20 ms"},
        {"digits that are not the value", EnteredDelay{150, "15\n0"}, "150 ms"},
        {"cancel", std::nullopt, "50 ms"},
    };
    ASSERT_FALSE(SaveMacroLines(recordIni, "M", Lines{"A   Dn", "50 ms", "A   Up"}));
    editor.BuildPage();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        editor.SelectEventLine(1);
        editor.EditDelay([&] { return c.entry; });
        EXPECT_EQ(editor.eventLines(), (Lines{"A   Dn", c.line, "A   Up"}));
        EXPECT_EQ(editor.selectedLine(), 1u);
        editor.EditDelay([] { return EnteredDelay{50, "50"}; });
    }
    editor.SelectEventLine(0);
    editor.EditDelay([]() -> std::optional<EnteredDelay> {
        ADD_FAILURE() << "the dialog opened over an event line";
        return std::nullopt;
    });
}

TEST_F(MacroEditorTest, DeleteEventLineRemovesOnlyThatLine) {
    ASSERT_FALSE(SaveMacroLines(recordIni, "M", Lines{"A   Dn", "50 ms", "A   Up", "50 ms"}));
    editor.BuildPage();
    editor.SelectEventLine(2);
    editor.DeleteEventLine();
    EXPECT_EQ(editor.eventLines(), (Lines{"A   Dn", "50 ms", "50 ms"}));
    EXPECT_FALSE(editor.selectedLine());
}

TEST_F(MacroEditorTest, NewMacroChecks) {
    const Names twelve = {"M1", "M2", "M3", "M4", "M5", "M6", "M7", "M8", "M9", "M10", "M11", "M12"};
    struct Case {
        const char* what;
        Names stored;
        std::string name;
        Shown shown;
    };
    const Case cases[] = {
        {"blank", {"M1"}, "", {{"Macro name is blank", ""}}},
        {"only blanks", {"M1"}, "   ", {{"Macro name is blank", ""}}},
        {"thirteenth, even with a new name", twelve, "Fresh", {{"Macro numbers up to 12.", "Warning"}}},
        {"same name in other letter case", {"Macro1"}, "macro1", {{"Macro name already exists", ""}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(recordIni);
        messages.shown.clear();
        build(c.stored);
        editor.SetNameText(c.name);
        editor.NewMacro();
        EXPECT_EQ(messages.shown, c.shown);
        EXPECT_EQ(editor.macroNames(), c.stored);
    }
}

TEST_F(MacroEditorTest, NewMacroKeepsTheLoopFieldAndWritesNothing) {
    SetLoopCount(record, 1, 7);
    SetLoopCount(record, 2, 300);
    build({"A"});
    ASSERT_EQ(editor.loopText(), "7");
    const auto before = record;
    editor.SetNameText("  A long name that does not fit the field  ");
    editor.NewMacro();
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(editor.macroNames(), (Names{"A", "A long name that doe"}));
    EXPECT_EQ(editor.nameText(), "A long name that doe");
    EXPECT_EQ(editor.selectedMacro(), 1u);
    EXPECT_TRUE(editor.eventLines().empty());
    EXPECT_EQ(editor.loopText(), "7");
    EXPECT_EQ(record, before);
    EXPECT_EQ(ListMacroNames(recordIni), (Names{"A"}));
}

TEST_F(MacroEditorTest, NewIntoAnEmptyListSelectsIt) {
    editor.BuildPage();
    editor.SetNameText("First");
    editor.NewMacro();
    EXPECT_EQ(editor.macroNames(), (Names{"First"}));
    EXPECT_EQ(editor.selectedMacro(), 0u);
    EXPECT_FALSE(std::filesystem::exists(recordIni));
}

TEST_F(MacroEditorTest, PageBuildShowsTheFirstMacro) {
    editor.BuildPage();
    EXPECT_TRUE(editor.macroNames().empty());
    EXPECT_EQ(editor.loopText(), "");  // no file: both fields stay empty

    build({"A", "B"});  // slot 1 holds loop count 0, which the field turns into 1
    EXPECT_EQ(editor.macroNames(), (Names{"A", "B"}));
    EXPECT_EQ(editor.selectedMacro(), 0u);
    EXPECT_EQ(editor.nameText(), "A");
    EXPECT_EQ(editor.eventLines(), (Lines{"A   Dn", "50 ms"}));
    EXPECT_EQ(editor.loopText(), "1");
    EXPECT_EQ(GetLoopCount(record, 1), 1);
}

TEST_F(MacroEditorTest, SelectMacroShowsItsLinesAndLoopCount) {
    SetLoopCount(record, 2, 9);
    SetLoopCount(record, 3, 4);
    build({"A", "B"});
    ASSERT_FALSE(SaveMacroLines(recordIni, "Empty", Lines{}));
    editor.BuildPage();
    editor.SelectMacro(1);
    EXPECT_EQ(editor.nameText(), "B");
    EXPECT_EQ(editor.eventLines(), (Lines{"B   Dn", "50 ms"}));
    EXPECT_EQ(editor.loopText(), "9");
    editor.SelectMacro(2);  // no lines: the list clears and the field keeps its text
    EXPECT_EQ(editor.nameText(), "Empty");
    EXPECT_TRUE(editor.eventLines().empty());
    EXPECT_EQ(editor.loopText(), "9");
    EXPECT_EQ(GetLoopCount(record, 3), 4);
}

TEST_F(MacroEditorTest, LoopFieldWritesTheSelectedSlot) {
    struct Case {
        const char* text;
        std::string shown;
        std::uint16_t stored;
    };
    const Case cases[] = {{"0", "1", 1}, {"70000", "1", 1}, {"", "1", 1}, {"65535", "65535", 0xFFFF}, {"12", "12", 12}};
    build({"A", "B"});
    editor.SelectMacro(1);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        editor.SetLoopText(c.text);
        EXPECT_EQ(editor.loopText(), c.shown);
        EXPECT_EQ(GetLoopCount(record, 2), c.stored);
    }
    EXPECT_EQ(macroSlot(record, 2)[0], 0x00);  // high byte first
    EXPECT_EQ(macroSlot(record, 2)[1], 0x0C);
}

TEST_F(MacroEditorTest, DeleteRemovesTheSectionAtOnceAndSlotsFollow) {
    SetLoopCount(record, 1, 11);
    SetLoopCount(record, 2, 22);
    SetLoopCount(record, 3, 33);
    build({"A", "B", "C"});
    CompileMacroSlots(recordIni, record);
    const auto slotC = std::vector<Byte>(macroSlot(record, 3).begin(), macroSlot(record, 3).end());
    editor.SelectMacro(1);
    editor.DeleteSelectedMacro();
    EXPECT_EQ(ListMacroNames(recordIni), (Names{"A", "C"}));
    EXPECT_EQ(editor.macroNames(), (Names{"A", "C"}));
    EXPECT_FALSE(editor.selectedMacro());
    EXPECT_EQ(editor.nameText(), "");
    EXPECT_TRUE(editor.eventLines().empty());
    // C moved up one position: its slot goes with it, and the freed last slot is cleared.
    EXPECT_EQ(GetLoopCount(record, 1), 11);
    EXPECT_TRUE(std::ranges::equal(macroSlot(record, 2), slotC));
    EXPECT_TRUE(std::ranges::all_of(macroSlot(record, 3), [](Byte b) { return b == 0; }));

    editor.DeleteSelectedMacro();  // nothing selected: nothing happens
    EXPECT_EQ(ListMacroNames(recordIni), (Names{"A", "C"}));
}

TEST_F(MacroEditorTest, SaveWritesTheLinesAndCompilesTheSlots) {
    build({"M"});
    startRecording();
    press({{"A", Dn}, {"A", Up}});
    editor.StopRecording();
    editor.SaveSelectedMacro();
    EXPECT_EQ(LoadMacroLines(recordIni, "M"), (Lines{"A   Dn", "50 ms", "A   Up"}));
    const auto slot = macroSlot(record, 1);
    EXPECT_EQ(GetLoopCount(record, 1), 1);
    EXPECT_EQ((std::vector<Byte>(slot.begin() + 2, slot.begin() + 6)), (std::vector<Byte>{0x05, 0x04, 0x80, 0x04}));
    EXPECT_TRUE(std::all_of(slot.begin() + 6, slot.end(), [](Byte b) { return b == 0; }));
}

TEST_F(MacroEditorTest, SaveMovesTheMacroLastWithItsLoopCount) {
    SetLoopCount(record, 1, 11);
    SetLoopCount(record, 2, 22);
    SetLoopCount(record, 3, 33);
    build({"A", "B", "C"});
    editor.SetNameText("X");
    editor.NewMacro();  // not saved: stays after the stored macros
    editor.SelectMacro(1);
    editor.SaveSelectedMacro();
    EXPECT_EQ(ListMacroNames(recordIni), (Names{"A", "C", "B"}));
    EXPECT_EQ(editor.macroNames(), (Names{"A", "C", "B", "X"}));
    EXPECT_EQ(editor.selectedMacro(), 2u);
    EXPECT_EQ(GetLoopCount(record, 2), 33);
    EXPECT_EQ(GetLoopCount(record, 3), 22);
    EXPECT_EQ(macroSlot(record, 3)[3], 0x05);  // B's press compiled into its new slot
}

}  // namespace
}  // namespace tarvik
