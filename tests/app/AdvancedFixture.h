// The main window with its Advanced page over the fake pointer settings, a temporary
// "record.ini", the real delay dialog answered by typing, and key events sent as the window
// system sends them (to the top-level window, with the key's native keycode).
#pragma once

#include <QKeyEvent>
#include <QListWidget>
#include <QTest>
#include <QWindow>

#include <optional>

#include "app/AdvancedDelayPrompt.h"
#include "app/AdvancedPage.h"
#include "app/ShellFixture.h"
#include "macros/qt/CDelayTimeDialog.h"
#include "platform/fake/FakePointerSettings.h"
#include "ui/SkinLayout.h"

namespace tarvik::test {

inline const QColor kLightSegment{0, 255, 0}, kDarkSegment{60, 60, 60};

// Evdev codes of the keys the tests press.
enum Evdev : unsigned { kEsc = 1, kEnter = 28, kLeftCtrl = 29, kKeyA = 30, kKeyB = 48, kPause = 119 };

inline QPoint centre(const layout::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

struct AdvancedRig : ShellRig {
    AdvancedRig() {
        for (const char* skin : {"Carbon", "Arctic"}) {
            const auto folder = skins.root() / skin;
            writeImage(folder / "slider-light.png", 20, 12, kLightSegment);
            writeImage(folder / "slider-dark.png", 20, 12, kDarkSegment);
            writeImage(folder / "delay-time.png", 384, 286, kMainColor);
        }
        recordIni = skins.dir / "record.ini";
    }
    ~AdvancedRig() {
        if (window) window->teardown();
    }

    // Starts the window (on the Basic page) and opens the Advanced page, which reads the desktop.
    void open(bool showAdvanced = true) {
        ShellHooks hooks = recordingHooks();
        hooks.applyPointerSettings = [this](const ConfigRecord&) { sync->writePointerSettings(records.current); };
        window = std::make_unique<CPellorDlg>(services(session, data, std::move(hooks)), records);
        sync.emplace(desktop, window->sink());
        window->setPage(PageState::Advanced,
                        makeAdvancedPage(*window, records.current, data, messages, *sync, recordIni,
                                         delayDialogPrompt(
                                             window->skin(), [] { return LanguageId::EN; }, messages, window.get(),
                                             [this](CDelayTimeDialog& dialog) { answerDelay(dialog); })));
        window->OnInitDialog();
        window->show();
        if (showAdvanced) click(centre(layout::kAdvancedTab));
        messages.shown.clear();
    }

    AdvancedPage& page() const { return *static_cast<AdvancedPage*>(window->page(PageState::Advanced)); }
    AdvancedMacroArea& macros() const { return page().macros(); }
    const MacroEditor& editor() const { return macros().editor(); }
    ConfigRecord& record() { return records.current; }

    void click(QPoint at) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, at); }
    void click(const layout::Rect& r) { click(centre(r)); }
    void apply() { click(layout::kApply); }

    // Types `name` into the name field and clicks New.
    void newMacro(const std::string& name) {
        QLineEdit* field = macros().nameField();
        field->selectAll();
        QTest::keyClicks(field, QString::fromStdString(name));
        click(layout::kMacroNew);
    }
    void insertMouseEvent(int choice) {
        click(layout::kMouseEventHeader);
        QListWidget* list = macros().mouseEventList();
        ASSERT_NE(list, nullptr) << "the mouse event list did not open";
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(choice)).center());
    }
    QPoint eventLineCentre(int line) const {
        QListWidget* list = macros().eventList();
        return list->visualItemRect(list->item(line)).center();
    }
    // A double-click as the window system delivers it: a click, then the second press.
    void doubleClickEventLine(int line) {
        QWidget* viewport = macros().eventList()->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {}, eventLineCentre(line));
        QTest::mouseDClick(viewport, Qt::LeftButton, {}, eventLineCentre(line));
    }

    // `time` is the window system's time stamp (0: none).
    void sendKey(QEvent::Type type, unsigned evdev, bool autoRepeat, int qtKey, quint64 time = 0) {
        QKeyEvent event(type, qtKey, Qt::NoModifier, evdev + 8, 0, 0, {}, autoRepeat);
        event.setTimestamp(time);
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }
    void press(unsigned evdev, bool autoRepeat = false, int qtKey = 0, quint64 time = 0) {
        sendKey(QEvent::KeyPress, evdev, autoRepeat, qtKey, time);
    }
    void release(unsigned evdev, int qtKey = 0, quint64 time = 0) {
        sendKey(QEvent::KeyRelease, evdev, false, qtKey, time);
    }

    std::vector<std::string> lines() const { return editor().eventLines(); }
    // What the event list widget shows.
    std::vector<std::string> shownLines() const {
        std::vector<std::string> shown;
        QListWidget* list = macros().eventList();
        for (int i = 0; i < list->count(); ++i) shown.push_back(list->item(i)->text().toStdString());
        return shown;
    }
    // Lit segments of pointer slider `i` as drawn on the canvas.
    int litSegments(int i) const {
        int lit = 0;
        for (int k = 0; k < layout::kSliderSegments; ++k) {
            const QPoint c = centre(layout::sliderSegment(i, k));
            lit += window->canvas().pixelColor(c) == kLightSegment;
        }
        return lit;
    }

    // The delay dialog's answer: the text typed before OK, or nullopt for Cancel.
    std::optional<QString> delayTyped;
    int delayDialogs = 0;
    void answerDelay(CDelayTimeDialog& dialog) {
        ++delayDialogs;
        if (!delayTyped) {
            dialog.clickAt(centre(layout::kDialogCancel));
            return;
        }
        QTest::keyClicks(dialog.field(), *delayTyped);
        dialog.clickAt(centre(layout::kDialogOk));
    }

    std::filesystem::path recordIni;
    platform::FakePointerSettings desktop;
    std::optional<PointerSettingsSync> sync;
    std::unique_ptr<CPellorDlg> window;
};

}  // namespace tarvik::test
