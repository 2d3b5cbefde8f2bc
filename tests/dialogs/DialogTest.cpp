// The skinned dialogs offscreen: key capture, the capture rules of the single and combo
// dialogs, fire-key fields, list choosers, macro and delay dialogs, missing images.
#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "buttons/ChoiceTables.h"
#include "buttons/qt/CComboDialog.h"
#include "buttons/qt/CFireKeyDialog.h"
#include "buttons/qt/CSingleDialog.h"
#include "buttons/qt/ChoiceDialogs.h"
#include "dialogs/DialogFixture.h"
#include "macros/qt/CDelayTimeDialog.h"
#include "macros/qt/CMacroDialog.h"
#include "platform/qt/QtMessageBox.h"
#include "ui/qt/KeyCapture.h"

namespace tarvik::test {
namespace {

const QPoint kOkPoint{218, 263}, kCancelPoint{322, 263}, kClosePoint{361, 15};

void clickEntry(QListWidget& list, int row) {
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualItemRect(list.item(row)).center());
}

void hoverEntry(QListWidget& list, int row) {
    QTest::mouseMove(list.viewport(), list.visualItemRect(list.item(row)).center());
}

// ---- Key capture ----

TEST(KeyCaptureTest, SeesEachPressAndReleaseOnceBeforeTheFocusedWidget) {
    qtApp();
    QWidget window;
    QLineEdit field(&window);
    showActive(window);
    field.setFocus();
    std::vector<std::tuple<std::string, bool, bool, std::uint32_t>> seen;
    bool swallow = false;
    {
        ui::KeyCapture capture([&](const ui::KeyStroke& s) {
            seen.emplace_back(std::string(s.name), s.press, s.autoRepeat, s.keycode);
            return swallow;
        });
        sendKey(window, QEvent::KeyPress, KEY_A, Qt::Key_A, false, "a");
        sendKey(window, QEvent::KeyPress, KEY_A, Qt::Key_A, true, "a");
        sendKey(window, QEvent::KeyRelease, KEY_A, Qt::Key_A, false, "a");
        EXPECT_EQ(field.text(), "aa");  // passed on to the focused widget
        swallow = true;
        tapKey(window, KEY_B, Qt::Key_B, "b");
        EXPECT_EQ(field.text(), "aa");  // swallowed
    }
    tapKey(window, KEY_C, Qt::Key_C, "c");  // the capture has ended
    using S = decltype(seen)::value_type;
    EXPECT_EQ(seen, (std::vector<S>{{"A", true, false, 38},
                                    {"A", true, true, 38},
                                    {"A", false, false, 38},
                                    {"B", true, false, 56},
                                    {"B", false, false, 56}}));
    EXPECT_EQ(field.text(), "aac");
}

// ---- Skinned dialog base ----

using Factory = std::function<std::unique_ptr<ui::SkinnedDialog>(ui::DialogSkin, const std::filesystem::path&)>;
struct DialogKind {
    const char* background;
    const char* caption;
    Factory make;
};

const DialogKind kDialogs[] = {
    {"single-key.png", "Single Key Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CSingleDialog>(s); }},
    {"combo-key.png", "Combo Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CComboDialog>(s); }},
    {"fire-key.png", "FireKey Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CFireKeyDialog>(s); }},
    {"media-key.png", "Media Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CMediaDialog>(s); }},
    {"windows-key.png", "Windows Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CWindowsDialog>(s); }},
    {"macro-key.png", "Macro Key Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path& f) {
         return std::make_unique<CMacroDialog>(s, f / "record.ini");
     }},
    {"delay-time.png", "DelayTime Dialog Load background image failed!!!",
     [](ui::DialogSkin s, const std::filesystem::path&) { return std::make_unique<CDelayTimeDialog>(s); }},
};

TEST_F(DialogTest, MissingBackgroundShowsItsErrorAndLeavesAnEmptyDialogWhoseRegionsAnswer) {
    const struct {
        QPoint point;
        bool confirmed;
    } regions[] = {{kOkPoint, true}, {kCancelPoint, false}, {kClosePoint, false}};
    for (const DialogKind& kind : kDialogs) {
        SCOPED_TRACE(kind.background);
        std::filesystem::remove(files.folder / kind.background);
        for (const auto& region : regions) {
            messages.shown.clear();
            auto dialog = kind.make(setup(), files.folder);
            EXPECT_EQ(messages.shown, (decltype(messages.shown){{"error", kind.caption}}));
            EXPECT_FALSE(dialog->hasContent());
            EXPECT_EQ(dialog->size(), QSize(384, 286));
            EXPECT_TRUE(dialog->findChildren<QWidget*>().isEmpty());  // no controls
            dialog->show();
            dialog->hoverAt(kOkPoint);  // draws nothing, asks nothing
            dialog->clickAt(region.point);
            EXPECT_EQ(dialog->confirmed(), region.confirmed);
            EXPECT_FALSE(dialog->isVisible());
            EXPECT_EQ(messages.shown.size(), 1u);
        }
    }
}

TEST_F(DialogTest, EmptySingleKeyDialogCapturesNothing) {
    std::filesystem::remove(files.folder / "single-key.png");
    CSingleDialog dialog(setup());
    showActive(dialog);
    tapKey(dialog, KEY_A, Qt::Key_A);
    dialog.clickAt(kOkPoint);
    EXPECT_EQ(dialog.confirmedName(), "");
}

TEST_F(DialogTest, HoverMovesStraightFromOkToCancelAndLeavesWithThePointer) {
    CDelayTimeDialog dialog(setup());
    dialog.show();
    const auto pixel = [&](QPoint p) { return QColor(dialog.canvas().pixel(p)); };
    dialog.hoverAt(kOkPoint);
    EXPECT_TRUE(dialog.isHovered(ui::SkinnedDialog::kOk));
    EXPECT_EQ(pixel({170, 255}), kOver);
    dialog.hoverAt(kCancelPoint);
    EXPECT_FALSE(dialog.isHovered(ui::SkinnedDialog::kOk));
    EXPECT_TRUE(dialog.isHovered(ui::SkinnedDialog::kCancel));
    EXPECT_EQ(pixel({170, 255}), kNormal);
    EXPECT_EQ(pixel({372, 255}), kOver);
    dialog.hoverAt(kClosePoint);
    EXPECT_TRUE(dialog.isHovered(ui::SkinnedDialog::kClose));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&dialog, &leave);
    EXPECT_FALSE(dialog.isHovered(ui::SkinnedDialog::kClose));
    EXPECT_EQ(pixel({355, 8}), kNormal);
}

TEST_F(DialogTest, MissingButtonImageIsReportedOncePerDialog) {
    std::filesystem::remove(files.folder / "button-over.png");
    CMediaDialog dialog(setup());
    for (int i = 0; i < 3; ++i) {
        dialog.hoverAt(kOkPoint);
        dialog.hoverAt({5, 5});
    }
    EXPECT_EQ(messages.shown, (decltype(messages.shown){{"LoadPng---Load image failed.", ""}}));
}

TEST_F(DialogTest, OkAndCancelTextsFollowTheLanguageAndEnterConfirms) {
    CDelayTimeDialog english(setup(LanguageId::EN));
    showActive(english);
    tapKey(english, KEY_ENTER, Qt::Key_Return);  // the entry field passes Enter on
    EXPECT_TRUE(english.confirmed());
    CDelayTimeDialog chinese(setup(LanguageId::CHS));
    showActive(chinese);
    tapKey(chinese, KEY_ESC, Qt::Key_Escape);
    EXPECT_FALSE(chinese.isVisible());
    EXPECT_FALSE(chinese.confirmedEntry());
}

// ---- Single key ----

TEST_F(DialogTest, SingleKeyTheLastKeyEventWins) {
    CSingleDialog dialog(setup());
    showActive(dialog);
    sendKey(dialog, QEvent::KeyPress, KEY_LEFTSHIFT, Qt::Key_Shift);
    sendKey(dialog, QEvent::KeyPress, KEY_A, Qt::Key_A);
    sendKey(dialog, QEvent::KeyRelease, KEY_A, Qt::Key_A);
    sendKey(dialog, QEvent::KeyRelease, KEY_LEFTSHIFT, Qt::Key_Shift);
    EXPECT_EQ(dialog.capturedName(), "Shift");
    EXPECT_FALSE(dialog.confirmedName());  // not yet confirmed
    dialog.clickAt(kOkPoint);
    EXPECT_EQ(dialog.confirmedName(), "Shift");
}

TEST_F(DialogTest, SingleKeyCapturesEnterEscAndWindowsKeysWithoutActingOnThem) {
    const struct {
        unsigned evdev;
        int qtKey;
        const char* name;
        int keysReachingDialog;  // of press and release
    } cases[] = {
        {KEY_ENTER, Qt::Key_Return, "Enter", 1},  // the release passes, harmlessly
        {KEY_KPENTER, Qt::Key_Enter, "Num Enter", 1},      {KEY_ESC, Qt::Key_Escape, "Esc", 1},
        {KEY_LEFTMETA, Qt::Key_Meta, "Left Windows", 0},   {KEY_RIGHTMETA, Qt::Key_Meta, "Right Windows", 0},
        {KEY_RIGHTCTRL, Qt::Key_Control, "Right Ctrl", 2}, {KEY_KP1, Qt::Key_1, "Num 1", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CSingleDialog dialog(setup());
        showActive(dialog);
        KeySpy spy(&dialog);
        tapKey(dialog, c.evdev, c.qtKey);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.capturedName(), c.name);
        EXPECT_EQ(spy.keys, c.keysReachingDialog);
    }
}

// English names are wider than the boxes drawn for Chinese ones: each shows whole, in every
// language, instead of cut at its ends or ending in "...".
TEST_F(DialogTest, NamesShowWholeInTheirBoxes) {
    for (LanguageId language : {LanguageId::EN, LanguageId::CHS, LanguageId::CHT}) {
        SCOPED_TRACE(static_cast<int>(language));
        CSingleDialog single(setup(language));
        showActive(single);
        tapKey(single, KEY_LEFTMETA, Qt::Key_Meta);
        for (QLabel* label : single.findChildren<QLabel*>()) {
            if (label->text() != QStringLiteral("Left Windows")) continue;
            EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), label->contentsRect().width());
        }
        CWindowsDialog windows(setup(language));
        showActive(windows);
        windows.clickAt({60, 135});
        QListWidget* list = windows.chooser().list();
        ASSERT_TRUE(list);
        for (int i = 0; i < list->count(); ++i) {
            const QString entry = list->item(i)->text();
            EXPECT_LE(QFontMetrics(list->font()).horizontalAdvance(entry), list->viewport()->width() - 4)
                << entry.toStdString();
        }
    }
}

// A box captioned "Warning" carries the warning icon; every other box the information icon.
TEST(MessageBoxTest, WarningCaptionShowsTheWarningIcon) {
    const struct {
        const char* caption;
        QMessageBox::Icon icon;
    } cases[] = {{"Warning", QMessageBox::Warning}, {"", QMessageBox::Information}, {"Info", QMessageBox::Information}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        std::optional<QMessageBox::Icon> shown;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                shown = box->icon();
                box->accept();
            }
        });
        platform::QtMessageBox().show("text", c.caption);
        EXPECT_EQ(shown, c.icon);
    }
}

TEST_F(DialogTest, SingleKeyResultOnEveryWayOut) {
    const struct {
        QPoint point;
        std::optional<std::string> result;
    } cases[] = {{kOkPoint, "Z"}, {kCancelPoint, std::nullopt}, {kClosePoint, std::nullopt}};
    for (const auto& c : cases) {
        CSingleDialog dialog(setup());
        showActive(dialog);
        tapKey(dialog, KEY_Z, Qt::Key_Z);
        dialog.clickAt(c.point);
        EXPECT_EQ(dialog.confirmedName(), c.result);
    }
    CSingleDialog untouched(setup());
    untouched.clickAt(kOkPoint);
    EXPECT_EQ(untouched.confirmedName(), "");  // encodes as an empty key
}

// ---- Combo key ----

TEST_F(DialogTest, ComboKeysGoOnlyToTheFieldWithTheFocus) {
    CComboDialog dialog(setup());
    showActive(dialog);
    tapKey(dialog, KEY_A, Qt::Key_A, "a");
    EXPECT_EQ(dialog.keys().key1Name, "");
    EXPECT_EQ(dialog.keys().key2Name, "");
    dialog.keyField(1)->setFocus();
    tapKey(dialog, KEY_B, Qt::Key_B, "b");
    tapKey(dialog, KEY_TAB, Qt::Key_Tab, "\t");  // captured, not a focus move
    EXPECT_EQ(dialog.keys().key1Name, "");
    EXPECT_EQ(dialog.keys().key2Name, "Tab");
    EXPECT_EQ(dialog.keyField(1)->text(), "Tab");
    dialog.keyField(0)->setFocus();
    tapKey(dialog, KEY_ENTER, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.keyField(0)->text(), "Enter");
    EXPECT_EQ(dialog.keys().key2Name, "Tab");
    tapKey(dialog, KEY_ESC, Qt::Key_Escape);  // also with no field focused, Esc does not close
    EXPECT_TRUE(dialog.isVisible());
    dialog.clickAt(kOkPoint);
    const std::optional<ComboKeys> keys = dialog.confirmedKeys();
    ASSERT_TRUE(keys);
    EXPECT_EQ(keys->modifierName, "");
    EXPECT_EQ(keys->key1Name, "Esc");
}

TEST_F(DialogTest, ComboModifierListChoosesAndCannotBeEmptied) {
    CComboDialog dialog(setup());
    showActive(dialog);
    dialog.keyField(0)->setFocus();
    dialog.clickAt({60, 75});
    QListWidget* list = dialog.modifierBox().list();
    ASSERT_TRUE(list);
    ASSERT_EQ(list->count(), 8);
    EXPECT_EQ(list->item(0)->text(), "Left Ctrl");
    EXPECT_EQ(list->item(7)->text(), "Right Win");
    EXPECT_FALSE(dialog.keyField(0)->isEnabled());
    EXPECT_FALSE(dialog.keyField(1)->isEnabled());
    tapKey(dialog, KEY_A, Qt::Key_A);  // the focus went to the dialog
    EXPECT_EQ(dialog.keys().key1Name, "");
    hoverEntry(*list, 3);
    EXPECT_EQ(list->currentRow(), 3);  // selected, not chosen
    EXPECT_EQ(dialog.keys().modifierName, "");
    clickEntry(*list, 4);
    EXPECT_EQ(dialog.keys().modifierName, "Right Ctrl");
    EXPECT_EQ(dialog.modifierIndex(), 4);
    EXPECT_EQ(dialog.modifierBox().shown(), "Right Ctrl");
    EXPECT_FALSE(dialog.modifierBox().isOpen());
    EXPECT_TRUE(dialog.keyField(0)->isEnabled());
    for (const QPoint elsewhere : {QPoint{60, 75}, QPoint{300, 100}}) {  // the box again, or elsewhere
        dialog.clickAt({60, 75});
        ASSERT_TRUE(dialog.modifierBox().isOpen());
        dialog.clickAt(elsewhere);
        EXPECT_FALSE(dialog.modifierBox().isOpen());
        EXPECT_TRUE(dialog.keyField(1)->isEnabled());
    }
    EXPECT_EQ(dialog.keys().modifierName, "Right Ctrl");
}

// ---- Fire key ----

TEST_F(DialogTest, FireKeyFreshOkReturnsTheStartingValues) {
    CFireKeyDialog dialog(setup());
    dialog.clickAt(kOkPoint);
    const std::optional<FireKeyChoice> choice = dialog.confirmedChoice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->chosenIndex, 0);
    EXPECT_EQ(choice->chosenText, "A");
    EXPECT_EQ(fireKeyCodeOf(choice->chosenIndex), 0x04);
    EXPECT_EQ(choice->fireSpeedValue, 32);
    EXPECT_EQ(choice->fireCountValue, 1);
}

TEST_F(DialogTest, FireSpeedIsCorrectedWhenTheFieldIsLeft) {
    const struct {
        const char* typed;
        const char* shown;
        int speed;
    } cases[] = {{"3", "5", 5}, {"300", "5", 5}, {"", "5", 5}, {"200", "200", 200}, {"5", "5", 5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CFireKeyDialog dialog(setup());
        showActive(dialog);
        dialog.speedField()->setFocus();
        dialog.speedField()->setText(c.typed);
        EXPECT_EQ(dialog.choice().fireSpeedValue, 32);  // typing only repaints
        dialog.countField()->setFocus();
        EXPECT_EQ(dialog.speedField()->text(), c.shown);
        EXPECT_EQ(dialog.choice().fireSpeedValue, c.speed);
    }
}

TEST_F(DialogTest, FireOkKeepsTheLastAcceptedSpeed) {
    CFireKeyDialog dialog(setup());
    showActive(dialog);
    dialog.speedField()->setFocus();
    dialog.speedField()->setText("3");
    dialog.clickAt(kOkPoint);
    EXPECT_EQ(dialog.confirmedChoice()->fireSpeedValue, 32);
}

TEST_F(DialogTest, FireCountIsCorrectedAtOnce) {
    const struct {
        const char* typed;
        const char* shown;
        int count;
    } cases[] = {{"300", "1", 1}, {"", "", 0}, {"0", "0", 0}, {"255", "255", 255}, {"7", "7", 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CFireKeyDialog dialog(setup());
        dialog.countField()->setText(c.typed);
        EXPECT_EQ(dialog.countField()->text(), c.shown);
        EXPECT_EQ(dialog.choice().fireCountValue, c.count);
    }
}

TEST_F(DialogTest, FireKeyListChoosesScrollsAndLocksTheFields) {
    CFireKeyDialog dialog(setup());
    showActive(dialog);
    dialog.clickAt({60, 75});
    QListWidget* list = dialog.chooser().list();
    ASSERT_TRUE(list);
    EXPECT_EQ(list->count(), 61);
    EXPECT_FALSE(dialog.speedField()->isEnabled());
    QWheelEvent down({300, 100}, dialog.mapToGlobal(QPoint{300, 100}), {}, {0, -120}, Qt::NoButton, {},
                     Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&dialog, &down);
    EXPECT_EQ(list->verticalScrollBar()->value(), 3);
    list->scrollToItem(list->item(39));
    clickEntry(*list, 39);
    EXPECT_EQ(dialog.choice().chosenText, "R-CTRL");
    EXPECT_EQ(fireKeyCodeOf(dialog.choice().chosenIndex), 0xE4);
    EXPECT_TRUE(dialog.speedField()->isEnabled());
    EXPECT_TRUE(dialog.countField()->isEnabled());
}

// ---- Multimedia and Windows functions ----

TEST_F(DialogTest, ListChoiceStartsOnTheFirstItemInTheLanguage) {
    const struct {
        std::function<std::unique_ptr<CListChoiceDialog>(ui::DialogSkin)> make;
        LanguageId language;
        const char* text;
    } cases[] = {
        {[](ui::DialogSkin s) { return std::make_unique<CMediaDialog>(s); }, LanguageId::EN, "Next"},
        {[](ui::DialogSkin s) { return std::make_unique<CMediaDialog>(s); }, LanguageId::CHS, "下一首"},
        {[](ui::DialogSkin s) { return std::make_unique<CWindowsDialog>(s); }, LanguageId::EN, "Multimedia Player"},
        {[](ui::DialogSkin s) { return std::make_unique<CWindowsDialog>(s); }, LanguageId::CHT, "打開多媒體播放器"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto dialog = c.make(setup(c.language));
        EXPECT_EQ(dialog->chooser().shown().toStdString(), c.text);
        dialog->clickAt(kOkPoint);
        ASSERT_TRUE(dialog->confirmedChoice());
        EXPECT_EQ(dialog->confirmedChoice()->chosenIndex, 0);
        EXPECT_EQ(dialog->confirmedChoice()->chosenText, c.text);
    }
    EXPECT_EQ(mediaUsageOf(0), 0xB5);
}

TEST_F(DialogTest, WindowsListReachesItsLastItemInsideTheDialog) {
    CWindowsDialog dialog(setup());
    showActive(dialog);
    dialog.clickAt({60, 135});
    QListWidget* list = dialog.chooser().list();
    ASSERT_TRUE(list);
    EXPECT_LE(list->geometry().bottom(), dialog.height() - 1);
    list->scrollToBottom();
    QCoreApplication::processEvents();
    const QRect last = list->visualItemRect(list->item(10));
    EXPECT_GE(last.top(), 0);
    EXPECT_LE(last.bottom(), list->viewport()->height());
    EXPECT_LT(list->viewport()->mapTo(&dialog, last.bottomLeft()).y(), dialog.height());
    hoverEntry(*list, 6);
    EXPECT_EQ(list->currentRow(), 6);
    clickEntry(*list, 6);
    EXPECT_EQ(dialog.choice().chosenText, "Browser-Back");
    EXPECT_EQ(windowsUsageOf(dialog.choice().chosenIndex), 0x24);
    EXPECT_EQ(windowsUsageHighOf(dialog.choice().chosenIndex), 0x02);
    dialog.clickAt(kCancelPoint);
    EXPECT_FALSE(dialog.confirmedChoice());  // the caller keeps the button as it was
}

// ---- Macro ----

TEST_F(DialogTest, MacroDialogDefaultsWithoutAStore) {
    CMacroDialog dialog(setup(), files.folder / "record.ini");
    showActive(dialog);
    dialog.clickAt({60, 135});
    ASSERT_TRUE(dialog.chooser().list());
    EXPECT_EQ(dialog.chooser().list()->count(), 0);
    dialog.clickAt(kOkPoint);
    const std::optional<MacroChoice> choice = dialog.confirmedChoice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->selectedMacro, 0);
    EXPECT_EQ(choice->repeatMode, 1);
    EXPECT_EQ(choice->selectedName, "");
}

TEST_F(DialogTest, MacroRepeatModeTicksOneBox) {
    CMacroDialog dialog(setup(), files.folder / "record.ini");
    const auto ticked = [&](int i) {
        const layout::Rect box = layout::macroRepeatBox(i);
        return QColor(dialog.canvas().pixel(box.left + 8, box.top + 8)) == kTick;
    };
    EXPECT_TRUE(ticked(0));
    const struct {
        int box;
        int mode;
    } clicks[] = {{2, 3}, {2, 3}, {0, 1}, {1, 2}};
    for (const auto& c : clicks) {
        const layout::Rect box = layout::macroRepeatBox(c.box);
        dialog.clickAt({box.left + 4, box.top + 4});
        EXPECT_EQ(dialog.choice().repeatMode, c.mode);
        for (int i = 0; i < 3; ++i) EXPECT_EQ(ticked(i), i == c.box) << "box " << i;
    }
}

TEST_F(DialogTest, MacroListIsReadFromTheStoreAtEachOpening) {
    const auto store = files.folder / "record.ini";
    std::ofstream(store) << "[Burst]\nItemCount=0\n[Reload]\nItemCount=0\n";
    CMacroDialog dialog(setup(), store);
    showActive(dialog);
    dialog.clickAt({60, 135});
    ASSERT_EQ(dialog.chooser().list()->count(), 2);
    dialog.clickAt({60, 135});  // closes
    std::ofstream(store, std::ios::app) << "[Spray]\nItemCount=0\n";
    dialog.clickAt({60, 135});
    QListWidget* list = dialog.chooser().list();
    ASSERT_EQ(list->count(), 3);
    clickEntry(*list, 2);
    const layout::Rect box = layout::macroRepeatBox(1);
    dialog.clickAt({box.left + 4, box.top + 4});
    dialog.clickAt(kOkPoint);
    const std::optional<MacroChoice> choice = dialog.confirmedChoice();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->selectedMacro, 2);  // macro 3
    EXPECT_EQ(choice->repeatMode, 2);     // stored as 1
    EXPECT_EQ(choice->selectedName, "Spray");
}

// ---- Delay ----

TEST_F(DialogTest, DelayReturnsTheTypedTextAndItsValue) {
    const struct {
        const char* typed;
        const char* text;
        int value;
    } cases[] = {{"", "", 0},
                 {"5", "5", 5},
                 {"12000", "12000", 12000},
                 {"0150", "0150", 150},
                 {"1a2", "12", 12}};  // digits only
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        CDelayTimeDialog dialog(setup());
        showActive(dialog);
        QTest::keyClicks(dialog.field(), c.typed);
        dialog.clickAt(kOkPoint);
        const std::optional<DelayEntry> entry = dialog.confirmedEntry();
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->delayText, c.text);
        EXPECT_EQ(entry->delayValue, c.value);
    }
}

}  // namespace
}  // namespace tarvik::test
