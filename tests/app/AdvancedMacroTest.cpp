// The Advanced page's macro area driven as a user would: key events sent to the window while
// recording, clicks on its regions and lists, the delay dialog answered by typing.
#include <gtest/gtest.h>

#include <QMenu>

#include "AdvancedFixture.h"

namespace tarvik::test {
namespace {

namespace L = layout;
using Lines = std::vector<std::string>;
using Shown = std::pair<std::string, std::string>;

// Counts the key events that reach the window's widget after the key filter.
class KeySpy : public QObject {
public:
    explicit KeySpy(QObject* target) { target->installEventFilter(this); }
    int presses = 0, releases = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        presses += event->type() == QEvent::KeyPress;
        releases += event->type() == QEvent::KeyRelease;
        return false;
    }
};

class AdvancedMacro : public ::testing::Test {
protected:
    void SetUp() override {
        rig.open();
        rig.newMacro("Macro1");
        rig.messages.shown.clear();
    }
    void startRecording() {
        rig.click(L::kStartRecording);
        ASSERT_TRUE(rig.macros().recording());
    }
    AdvancedRig rig;
};

TEST_F(AdvancedMacro, RecordedKeystrokesBecomeLines) {
    struct Stroke {
        unsigned key;
        bool press, repeat;
        quint64 time = 0;
    };
    struct Case {
        const char* name;
        std::vector<Stroke> strokes;
        Lines lines;
    };
    const Case cases[] = {
        {"a held key gives one press line",
         {{kKeyA, true, false}, {kKeyA, true, true}, {kKeyA, true, true}, {kKeyA, false, false}},
         {"A   Dn", "50 ms", "A   Up"}},
        {"A then B gives seven lines",
         {{kKeyA, true, false}, {kKeyA, false, false}, {kKeyB, true, false}, {kKeyB, false, false}},
         {"A   Dn", "50 ms", "A   Up", "50 ms", "B   Dn", "50 ms", "B   Up"}},
        {"a key pressed before the recording leaves no release line",
         {{kEnter, false, false}, {kKeyA, true, false}},
         {"A   Dn"}},
        {"X11 repeats a held key as unmarked release and press pairs with one time stamp",
         {{kKeyA, true, false, 100},
          {kKeyA, false, false, 600},
          {kKeyA, true, false, 600},
          {kKeyA, false, false, 633},
          {kKeyA, true, false, 633},
          {kKeyA, false, false, 700}},
         {"A   Dn", "50 ms", "A   Up"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        startRecording();
        for (const Stroke& s : c.strokes) {
            if (s.press) rig.press(s.key, s.repeat, 0, s.time);
            else rig.release(s.key, 0, s.time);
        }
        // The last release waits a moment for a repeat press that does not come.
        (void)QTest::qWaitFor([&] { return rig.lines() == c.lines; }, 2000);
        EXPECT_EQ(rig.lines(), c.lines);
        EXPECT_EQ(rig.shownLines(), c.lines);
        rig.click(L::kStopRecording);
    }
}

TEST_F(AdvancedMacro, RecordingSwallowsKeyDownsAndShowsItsTitleUntilCtrlBreak) {
    const QString title = rig.window->windowTitle();
    // The frameless window shows its title in the title bar's free strip.
    const QRect strip(L::kTitleNote.left, L::kTitleNote.top, L::kTitleNote.width(), L::kTitleNote.height());
    const QImage plainStrip = rig.window->canvas().copy(strip);
    startRecording();
    EXPECT_EQ(rig.window->windowTitle(), QStringLiteral("Press Ctrl+Break key to stop recording"));
    EXPECT_NE(rig.window->canvas().copy(strip), plainStrip);
    KeySpy spy(rig.window.get());
    rig.press(kEsc, false, Qt::Key_Escape);  // would hide the window
    rig.release(kEsc, Qt::Key_Escape);
    EXPECT_TRUE(rig.window->isVisible());
    EXPECT_EQ(spy.presses, 0);
    EXPECT_EQ(spy.releases, 1);

    rig.press(kLeftCtrl);
    rig.press(kPause);
    EXPECT_FALSE(rig.macros().recording());
    EXPECT_EQ(rig.window->windowTitle(), title);
    EXPECT_EQ(rig.window->canvas().copy(strip), plainStrip);
    // The Ctrl press of Ctrl+Break is not left in the macro.
    EXPECT_EQ(rig.lines(), (Lines{"Esc   Dn", "50 ms", "Esc   Up"}));
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{{"Start Recording", ""}, {"Stop Recording", ""}}));
    rig.release(kPause);
    rig.release(kLeftCtrl);
    QCoreApplication::processEvents();
    rig.press(kKeyA);
    EXPECT_EQ(spy.presses, 1) << "keys pass again once the recording stopped";
    EXPECT_EQ(rig.lines().size(), 3u);
}

TEST_F(AdvancedMacro, StopWithoutARecordingWarns) {
    const Shown stop{"Stop Recording", ""};
    const Shown warning{"It doesn’t start recording, unnecessary to press Stop key!", "Warning"};
    rig.click(L::kStopRecording);
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{stop, warning}));
    rig.messages.shown.clear();
    startRecording();
    rig.click(L::kStopRecording);
    rig.click(L::kStopRecording);
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{{"Start Recording", ""}, stop, stop, warning}));
}

TEST(AdvancedMacroEmpty, StartWithNoMacroWarnsAndInstallsNothing) {
    AdvancedRig rig;
    rig.open();
    const QString title = rig.window->windowTitle();
    rig.click(L::kStartRecording);
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{{"Macro name is blank", "Warning"}}));
    EXPECT_FALSE(rig.macros().recording());
    EXPECT_EQ(rig.window->windowTitle(), title);
}

TEST_F(AdvancedMacro, KeysWithNoMacroSelectedAreDropped) {
    rig.newMacro("Macro2");
    startRecording();
    rig.click(L::kMacroDelete);  // nothing is selected afterwards; one macro is left
    ASSERT_FALSE(rig.editor().selectedMacro());
    rig.press(kKeyA);
    rig.release(kKeyA);
    EXPECT_TRUE(rig.lines().empty());
    EXPECT_TRUE(rig.macros().recording());
}

TEST(AdvancedMacroEmpty, ClickEventIntoAnEmptyListNeedsASelectedMacro) {
    for (const bool withMacro : {true, false}) {
        SCOPED_TRACE(withMacro ? "a selected macro" : "no macro");
        AdvancedRig rig;
        rig.open();
        if (withMacro) rig.newMacro("Macro1");
        rig.insertMouseEvent(0);  // "L-Button Click"
        const Lines inserted{"L-Button   Dn", "50 ms", "L-Button   Up", "50 ms"};
        EXPECT_EQ(rig.lines(), withMacro ? inserted : Lines{});
        EXPECT_EQ(rig.editor().mouseEventHeader(), "L-Button Click");
        QCoreApplication::processEvents();
        EXPECT_EQ(rig.macros().mouseEventList(), nullptr) << "the list closes after a choice";
    }
}

TEST_F(AdvancedMacro, DelayDialogAnswerBecomesTheLine) {
    struct Case {
        std::optional<QString> typed;  // nullopt: Cancel
        std::string line;
    };
    const Case cases[] = {{"5", "20 ms"}, {"12000", "10000 ms"}, {"0150", "0150 ms"}, {std::nullopt, "50 ms"}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(c.typed.value_or("Cancel").toStdString());
        rig.newMacro("Delay" + std::to_string(i));  // a new macro starts with an empty list
        rig.insertMouseEvent(3);                    // "L-Button   Dn" then "50 ms"
        ASSERT_EQ(rig.lines(), (Lines{"L-Button   Dn", "50 ms"}));
        rig.delayTyped = c.typed;
        rig.doubleClickEventLine(1);
        EXPECT_EQ(rig.lines().at(1), c.line);
        EXPECT_EQ(rig.shownLines().at(1), c.line);
    }
    const int opened = rig.delayDialogs;
    rig.doubleClickEventLine(0);  // an event line asks nothing
    EXPECT_EQ(rig.delayDialogs, opened);
}

TEST_F(AdvancedMacro, ContextMenuDeletesTheLineUnderThePointer) {
    rig.insertMouseEvent(0);
    QListWidget* list = rig.macros().eventList();
    const QPoint at = rig.eventLineCentre(2);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, at, list->viewport()->mapToGlobal(at));
    QCoreApplication::sendEvent(list->viewport(), &menuEvent);
    ASSERT_NE(rig.macros().eventMenu(), nullptr);
    const QList<QAction*> actions = rig.macros().eventMenu()->actions();
    ASSERT_EQ(actions.size(), 1);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("Delete"));
    actions[0]->trigger();
    EXPECT_EQ(rig.lines(), (Lines{"L-Button   Dn", "50 ms", "50 ms"}));
}

TEST_F(AdvancedMacro, NewChecksCountAndNamesAndKeepsTheLoopField) {
    QTest::keyClicks(rig.macros().loopField(), "5");
    rig.newMacro("macro1");
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{{"Macro name already exists", ""}}));
    rig.messages.shown.clear();
    rig.newMacro("Second");
    EXPECT_EQ(rig.macros().loopField()->text(), QStringLiteral("5"));
    EXPECT_EQ(rig.macros().macroList()->currentRow(), 1);
    for (int n = 3; n <= 12; ++n) rig.newMacro("Macro" + std::to_string(n));
    EXPECT_TRUE(rig.messages.shown.empty());
    rig.newMacro("Thirteen");
    EXPECT_EQ(rig.messages.shown, (std::vector<Shown>{{"Macro numbers up to 12.", "Warning"}}));
    EXPECT_EQ(rig.macros().macroList()->count(), 12);
}

TEST_F(AdvancedMacro, SavedMacroComesBackOnTheNextBuild) {
    rig.insertMouseEvent(1);  // "R-Button Click"
    rig.click(L::kMacroConfirm);
    rig.click(centre(L::kBasicTab));
    rig.click(centre(L::kAdvancedTab));
    EXPECT_EQ(rig.macros().macroList()->item(0)->text(), QStringLiteral("Macro1"));
    EXPECT_EQ(rig.shownLines(), (Lines{"R-Button   Dn", "50 ms", "R-Button   Up", "50 ms"}));
    EXPECT_EQ(rig.macros().nameField()->text(), QStringLiteral("Macro1"));
}

}  // namespace
}  // namespace tarvik::test
