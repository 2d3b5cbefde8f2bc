// The macro area of the Advanced page as widgets: macro and event lists, name and loop fields,
// the mouse event header and list, the event list's context menu, and the recorder on the
// application-wide key filter. Every command goes to MacroEditor; the widgets then show its state.
#pragma once

#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QString>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>

#include "macros/MacroEditor.h"
#include "ui/qt/KeyCapture.h"
#include "ui/qt/SkinCanvas.h"

namespace tarvik {

class AdvancedMacroArea {
public:
    // `texts` is read at each use, so the page may switch its language in place; `paint`
    // draws on the window's canvas (the mouse event header).
    AdvancedMacroArea(QWidget* window, std::filesystem::path recordIni, ConfigRecord& record,
                      platform::MessageBox& messages, const TextCatalogue& texts, AskDelay askDelay,
                      std::function<void(const std::function<void(QPainter&)>&)> paint);
    ~AdvancedMacroArea();

    // Creates the lists and fields, fills them from the store and draws the labels.
    void build(QPainter& painter, ui::SkinState& skin);
    // Ends a recording without messages and destroys every control.
    void destroyControls();
    // A click on the page; true when the macro area took it.
    bool click(int x, int y);

    void newMacro();
    void deleteMacro();
    void saveMacro();
    void startRecording();
    void stopRecording();

    const MacroEditor& editor() const { return editor_; }
    bool recording() const { return capture_ != nullptr; }
    QListWidget* macroList() const { return macroList_.get(); }
    QListWidget* eventList() const { return eventList_.get(); }
    QListWidget* mouseEventList() const { return mouseEventList_.get(); }
    QLineEdit* nameField() const { return nameField_.get(); }
    QLineEdit* loopField() const { return loopField_.get(); }
    // The event list's context menu while it is open.
    QMenu* eventMenu() const { return eventMenu_.get(); }

private:
    std::unique_ptr<QListWidget> makeList(const QRect& place, QColor background, QColor text, bool border);
    std::unique_ptr<QLineEdit> makeField(const QRect& place);
    void connectControls();
    void openEventMenu(const QPoint& at);
    bool keyStroke(const ui::KeyStroke& stroke);
    void flushHeldRelease();
    bool recordKeyStroke(const ui::KeyStroke& stroke);
    void endRecordingIfStopped();
    // Every control, and the header on the canvas.
    void showState();
    void showControls();
    void showMacroList();
    void showEventList();
    void showFields();
    void showMouseEventList();
    void drawHeader(QPainter& p);

    QWidget* window_;
    MacroEditor editor_;
    AskDelay askDelay_;
    std::function<void(const std::function<void(QPainter&)>&)> paint_;
    ui::SkinState* skin_ = nullptr;
    const TextCatalogue& texts_;
    std::unique_ptr<QListWidget> macroList_, eventList_, mouseEventList_;
    std::unique_ptr<QLineEdit> nameField_, loopField_;
    std::unique_ptr<QMenu> eventMenu_;
    std::unique_ptr<ui::KeyCapture> capture_;  // installed only while recording
    ui::RepeatPairs repeats_;
    QTimer releaseTimer_;  // hands on a release that no repeat press followed
    QString titleBeforeRecording_;
    bool leftCtrlDown_ = false, rightCtrlDown_ = false, altDown_ = false;
    bool inFilter_ = false;  // a keystroke is being handled inside the key filter
};

}  // namespace tarvik
