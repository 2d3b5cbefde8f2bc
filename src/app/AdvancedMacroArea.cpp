// The macro area's widgets: each user action calls one MacroEditor command, then every widget
// is set from the editor's state again (with its signals blocked, so nothing echoes back).
#include "app/AdvancedMacroArea.h"

#include <QApplication>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

#include "macros/EventLines.h"
#include "ui/SkinLayout.h"
#include "ui/qt/SkinWidgets.h"

namespace tarvik {
namespace {

namespace L = layout;

// The macro and event lists draw on this dark green-grey; the other lists on black.
const QColor kMacroListBackground{0x0E, 0x0F, 0x0E};
// How long a release waits for the press of an X11 repeat pair (they come together; the wait
// only covers the two arriving in separate reads).
constexpr int kRepeatPairWaitMs = 30;

using ui::toQRect;
using ui::toQString;

// Closes a control that may be inside one of its own signals: it goes at the next turn of the
// event loop.
template <class Widget>
void dispose(std::unique_ptr<Widget>& widget) {
    if (!widget) return;
    widget->hide();
    widget.release()->deleteLater();
}

void showLines(QListWidget& list, const std::vector<std::string>& lines, std::optional<std::size_t> selected) {
    const QSignalBlocker quiet(list);
    bool same = list.count() == static_cast<int>(lines.size());
    for (int i = 0; same && i < list.count(); ++i)
        same = list.item(i)->text() == toQString(lines[static_cast<std::size_t>(i)]);
    if (!same) {
        list.clear();
        for (const std::string& line : lines) list.addItem(toQString(line));
    }
    list.setCurrentRow(selected ? static_cast<int>(*selected) : -1);
    if (!selected) list.clearSelection();
}

bool isCtrlName(std::string_view name) { return name == "Ctrl"; }
bool isRightCtrlName(std::string_view name) { return name == "Right Ctrl"; }
bool isAltName(std::string_view name) { return name == "Alt" || name == "Right Alt"; }

}  // namespace

AdvancedMacroArea::AdvancedMacroArea(QWidget* window, std::filesystem::path recordIni, ConfigRecord& record,
                                     platform::MessageBox& messages, const TextCatalogue& texts, AskDelay askDelay,
                                     std::function<void(const std::function<void(QPainter&)>&)> paint)
    : window_(window),
      editor_(std::move(recordIni), record, messages, texts),
      askDelay_(std::move(askDelay)),
      paint_(std::move(paint)),
      texts_(texts) {
    releaseTimer_.setSingleShot(true);
    releaseTimer_.setInterval(kRepeatPairWaitMs);
    QObject::connect(&releaseTimer_, &QTimer::timeout, &releaseTimer_, [this] { flushHeldRelease(); });
}

AdvancedMacroArea::~AdvancedMacroArea() { destroyControls(); }

// ---- building and leaving ----

void AdvancedMacroArea::build(QPainter& painter, ui::SkinState& skin) {
    skin_ = &skin;
    destroyControls();
    editor_.BuildPage();
    nameField_ = makeField(toQRect(L::kMacroNameField));
    loopField_ = makeField(toQRect(L::kLoopField));
    loopField_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), loopField_.get()));
    macroList_ = makeList(toQRect(L::kMacroList), kMacroListBackground, skin.textColor, false);
    eventList_ = makeList(toQRect(L::kEventList), kMacroListBackground, skin.textColor, false);
    connectControls();
    showControls();
    drawHeader(painter);  // on the build's own painter: the canvas takes one at a time
}

void AdvancedMacroArea::destroyControls() {
    // Leaving the page ends a recording as Stop Recording does, without its messages.
    editor_.LeavePage();
    endRecordingIfStopped();
    eventMenu_.reset();
    dispose(mouseEventList_);
    dispose(macroList_);
    dispose(eventList_);
    dispose(nameField_);
    dispose(loopField_);
}

std::unique_ptr<QListWidget> AdvancedMacroArea::makeList(const QRect& place, QColor background, QColor text,
                                                         bool border) {
    auto list = std::make_unique<QListWidget>(window_);
    list->setGeometry(place);
    list->setFrameShape(border ? QFrame::Box : QFrame::NoFrame);
    list->setFocusPolicy(Qt::NoFocus);  // Enter and Escape stay with the window
    QPalette palette = list->palette();
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    palette.setColor(QPalette::Text, text);
    list->setPalette(palette);
    if (skin_) list->setFont(skin_->textFont);
    list->setUniformItemSizes(true);
    list->setMouseTracking(true);  // the line under the pointer is selected
    list->show();
    list->raise();
    return list;
}

std::unique_ptr<QLineEdit> AdvancedMacroArea::makeField(const QRect& place) {
    auto field = std::make_unique<QLineEdit>(window_);
    field->setGeometry(place);
    field->setFrame(false);
    field->setAlignment(Qt::AlignCenter);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::Text, skin_ ? skin_->textColor : QColor(Qt::white));
    field->setPalette(palette);
    if (skin_) field->setFont(skin_->textFont);
    field->setTextMargins(0, 0, 0, 0);
    field->show();
    return field;
}

void AdvancedMacroArea::connectControls() {
    QObject::connect(macroList_.get(), &QListWidget::currentRowChanged, macroList_.get(), [this](int row) {
        if (row >= 0) editor_.SelectMacro(static_cast<std::size_t>(row));
        showState();
    });
    const auto selectLine = [this](QListWidgetItem* item) {
        editor_.SelectEventLine(static_cast<std::size_t>(eventList_->row(item)));
        showEventList();
    };
    QObject::connect(eventList_.get(), &QListWidget::itemEntered, eventList_.get(), selectLine);
    QObject::connect(eventList_.get(), &QListWidget::itemClicked, eventList_.get(), selectLine);
    QObject::connect(eventList_.get(), &QListWidget::itemDoubleClicked, eventList_.get(),
                     [this, selectLine](QListWidgetItem* item) {
                         selectLine(item);
                         editor_.EditDelay(askDelay_);
                         showEventList();
                     });
    eventList_->setContextMenuPolicy(Qt::CustomContextMenu);
    QObject::connect(eventList_.get(), &QWidget::customContextMenuRequested, eventList_.get(),
                     [this](const QPoint& at) { openEventMenu(at); });
    QObject::connect(nameField_.get(), &QLineEdit::textEdited, nameField_.get(),
                     [this](const QString& text) { editor_.SetNameText(text.toStdString()); });
    QObject::connect(loopField_.get(), &QLineEdit::textEdited, loopField_.get(), [this](const QString& text) {
        editor_.SetLoopText(text.toStdString());
        showFields();  // text out of range reads "1" at once
    });
}

// One entry, "Delete": removes the selected line (the line under the pointer).
void AdvancedMacroArea::openEventMenu(const QPoint& at) {
    if (QListWidgetItem* item = eventList_->itemAt(at)) {
        editor_.SelectEventLine(static_cast<std::size_t>(eventList_->row(item)));
        showEventList();
    }
    eventMenu_ = std::make_unique<QMenu>(window_);
    QAction* remove = eventMenu_->addAction(toQString(texts_.text(TextRow::Delete)));
    QObject::connect(remove, &QAction::triggered, window_, [this] {
        editor_.DeleteEventLine();
        showEventList();
    });
    eventMenu_->popup(eventList_->viewport()->mapToGlobal(at));
}

// ---- clicks ----

bool AdvancedMacroArea::click(int x, int y) {
    if (!macroList_) return false;
    if (L::kMouseEventHeader.contains(x, y)) {
        editor_.ToggleMouseEventList();
        showMouseEventList();
        return true;
    }
    editor_.CloseMouseEventList();  // any other click on the page closes the list
    showMouseEventList();
    if (L::kStartRecording.contains(x, y)) startRecording();
    else if (L::kStopRecording.contains(x, y)) stopRecording();
    else if (L::kMacroNew.contains(x, y)) newMacro();
    else if (L::kMacroDelete.contains(x, y)) deleteMacro();
    else if (L::kMacroConfirm.contains(x, y)) saveMacro();
    else return false;
    return true;
}

void AdvancedMacroArea::newMacro() {
    editor_.NewMacro();
    showState();
}

void AdvancedMacroArea::deleteMacro() {
    editor_.DeleteSelectedMacro();
    showState();
}

void AdvancedMacroArea::saveMacro() {
    editor_.SaveSelectedMacro();
    showState();
}

// ---- recording ----

void AdvancedMacroArea::startRecording() {
    editor_.StartRecording();  // its "Start Recording" box closes before the filter goes in
    if (editor_.recorder().recordingActive() && !capture_) {
        repeats_.flush();  // a release left from before belongs to no recording
        capture_ = std::make_unique<ui::KeyCapture>([this](const ui::KeyStroke& k) { return keyStroke(k); });
        leftCtrlDown_ = rightCtrlDown_ = altDown_ = false;
        titleBeforeRecording_ = window_->windowTitle();
        window_->setWindowTitle(toQString(editor_.recordingTitle()));
    }
    showState();
}

void AdvancedMacroArea::stopRecording() {
    editor_.StopRecording();
    endRecordingIfStopped();
    showState();
}

// Every keystroke of the program while recording, before any widget sees it. Key-downs are
// swallowed so typing neither edits the fields nor hides the window; releases and key-downs
// with Alt held (system keys) go on.
bool AdvancedMacroArea::keyStroke(const ui::KeyStroke& stroke) {
    if (!editor_.recorder().recordingActive()) return false;  // stopped, the filter goes soon
    releaseTimer_.stop();
    inFilter_ = true;
    // A release may be held back (never swallowed); a press always comes last.
    const std::vector<ui::KeyStroke> ready = repeats_.take(stroke);
    bool swallow = false;
    for (std::size_t i = 0; i < ready.size(); ++i) {
        const bool swallowed = editor_.recorder().recordingActive() && recordKeyStroke(ready[i]);
        if (stroke.press && i + 1 == ready.size()) swallow = swallowed;
    }
    inFilter_ = false;
    if (repeats_.holding()) releaseTimer_.start();
    return swallow;
}

void AdvancedMacroArea::flushHeldRelease() {
    const std::optional<ui::KeyStroke> held = repeats_.flush();
    if (held && editor_.recorder().recordingActive()) recordKeyStroke(*held);
}

bool AdvancedMacroArea::recordKeyStroke(const ui::KeyStroke& stroke) {
    const KeyTransition transition = stroke.press ? KeyTransition::Press : KeyTransition::Release;
    const bool ctrlHeld = leftCtrlDown_ || rightCtrlDown_;
    const bool altHeld = altDown_;
    if (isCtrlName(stroke.name)) leftCtrlDown_ = stroke.press;
    if (isRightCtrlName(stroke.name)) rightCtrlDown_ = stroke.press;
    if (isAltName(stroke.name)) altDown_ = stroke.press;
    if (isStopKeystroke(stroke.name, transition, ctrlHeld)) {
        editor_.StopKey();
        endRecordingIfStopped();
        showState();
        return true;
    }
    // A key with no name would make a line with no key in it.
    if (!stroke.name.empty()) {
        editor_.OnRecordKey(stroke.name, transition, stroke.autoRepeat);
        showEventList();
    }
    // Only the window's own key-downs are dropped: a message box open over it (Stop
    // Recording's) still takes Enter; the editor does not record the keys typed into it.
    return stroke.press && !altHeld && !QApplication::activeModalWidget();
}

void AdvancedMacroArea::endRecordingIfStopped() {
    if (!capture_ || editor_.recorder().recordingActive()) return;
    // Ctrl+Break stops from inside the filter: it goes at the next turn of the event loop.
    if (inFilter_) capture_.release()->deleteLater();
    else capture_.reset();
    window_->setWindowTitle(titleBeforeRecording_);
}

// ---- showing the editor's state ----

void AdvancedMacroArea::showState() {
    if (!macroList_) return;
    showControls();
    if (paint_) paint_([this](QPainter& p) { drawHeader(p); });
}

void AdvancedMacroArea::showControls() {
    showMacroList();
    showEventList();
    showFields();
    showMouseEventList();
}

void AdvancedMacroArea::showMacroList() { showLines(*macroList_, editor_.macroNames(), editor_.selectedMacro()); }

void AdvancedMacroArea::showEventList() {
    if (eventList_) showLines(*eventList_, editor_.eventLines(), editor_.selectedLine());
}

void AdvancedMacroArea::showFields() {
    const QSignalBlocker quietName(*nameField_), quietLoop(*loopField_);
    if (nameField_->text() != toQString(editor_.nameText())) nameField_->setText(toQString(editor_.nameText()));
    if (loopField_->text() != toQString(editor_.loopText())) loopField_->setText(toQString(editor_.loopText()));
}

void AdvancedMacroArea::showMouseEventList() {
    if (!editor_.mouseEventListOpen()) {
        dispose(mouseEventList_);
        return;
    }
    if (!mouseEventList_) {
        mouseEventList_ = makeList(toQRect(L::kMouseEventList), Qt::black, Qt::white, true);
        if (skin_) ui::styleSkinList(*mouseEventList_, *skin_);
        for (std::string_view choice : mouseEventChoices) {
            auto* row = new QListWidgetItem(toQString(choice), mouseEventList_.get());  // owned by the list
            row->setSizeHint({L::kMouseEventList.width() - 4, L::kListItemHeight});
        }
        QObject::connect(mouseEventList_.get(), &QListWidget::itemEntered, mouseEventList_.get(),
                         [this](QListWidgetItem* item) {
                             editor_.HoverMouseEvent(static_cast<std::size_t>(mouseEventList_->row(item)));
                             const QSignalBlocker quiet(*mouseEventList_);
                             mouseEventList_->setCurrentItem(item);
                         });
        QObject::connect(mouseEventList_.get(), &QListWidget::itemClicked, mouseEventList_.get(),
                         [this](QListWidgetItem* item) {
                             editor_.InsertMouseEvent(static_cast<std::size_t>(mouseEventList_->row(item)));
                             showState();
                         });
    }
    const QSignalBlocker quiet(*mouseEventList_);
    const auto hovered = editor_.hoveredMouseEvent();
    mouseEventList_->setCurrentRow(hovered ? static_cast<int>(*hovered) : -1);
}

void AdvancedMacroArea::drawHeader(QPainter& p) {
    if (!skin_) return;
    p.fillRect(toQRect(L::kMouseEventHeaderText), Qt::black);
    ui::drawCaption(p,
                    {L::kMouseEventHeaderText.left, L::kMouseEventHeaderText.top, L::kMouseEventHeaderText.right,
                     L::kMouseEventHeaderText.bottom},
                    toQString(editor_.mouseEventHeader()), skin_->textFont, skin_->textColor);
}

}  // namespace tarvik
