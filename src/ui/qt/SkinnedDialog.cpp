// The skinned dialog base and the chooser box.
#include "ui/qt/SkinnedDialog.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>
#include <QWheelEvent>

#include <algorithm>

#include "ui/Fonts.h"
#include "ui/TextCatalogue.h"
#include "ui/qt/SkinCanvas.h"

namespace tarvik::ui {
namespace {

// Edit fields, list boxes and sunken name boxes of every dialog: white on 0x282828.
const char* const kControlStyle =
    "QLabel, QLineEdit, QListWidget { color: white; background-color: rgb(40, 40, 40); }"
    "QLineEdit:disabled { color: rgb(160, 160, 160); }";

constexpr int kListPadding = 12;  // an item's side margins and the list's frame

QImage emptyCanvas() {
    QImage canvas(layout::kDialog.width, layout::kDialog.height, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(QColor(0x28, 0x28, 0x28));
    return canvas;
}

}  // namespace

QFont dialogFont(LanguageId language) { return toQFont(languageFonts(language).text); }

SkinnedDialog::SkinnedDialog(DialogSkin setup, std::string_view background, std::string_view failureCaption,
                             QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      skin_(setup.skin),
      language_(setup.language),
      messages_(setup.messages),
      font_(dialogFont(setup.language)) {
    setModal(true);
    setMouseTracking(true);
    setFont(font_);
    setStyleSheet(kControlStyle);
    std::filesystem::path file = skin_.folder;
    file += std::filesystem::path(std::string(background));
    if (const QImage* image = skin_.cache.get(file)) {
        canvas_ = image->convertToFormat(QImage::Format_ARGB32_Premultiplied);
        hasContent_ = true;
    } else {
        messages_.show("error", std::string(failureCaption));
        canvas_ = emptyCanvas();
    }
    setFixedSize(canvas_.size());
    buttons_.add({clientRect(layout::kDialogClose), "/button-close-normal.png", "/button-close-over.png", {}});
    buttons_.add({clientRect(layout::kDialogOk), "/button-normal.png", "/button-over.png",
                  toQString(dialogText(DialogText::Ok, language_))});
    buttons_.add({clientRect(layout::kDialogCancel), "/button-normal.png", "/button-over.png",
                  toQString(dialogText(DialogText::Cancel, language_))});
    if (!hasContent_) return;
    for (const std::string_view name :
         {"/button-close-normal.png", "/button-close-over.png", "/button-normal.png", "/button-over.png"})
        checkImage(name);
    const auto dc = drawScope();
    buttons_.drawAllNormal(dc->painter(), skin_);
}

SkinnedDialog::~SkinnedDialog() = default;

std::unique_ptr<CMemDC> SkinnedDialog::drawScope() { return std::make_unique<CMemDC>(canvas_, this, &canvasCopies_); }

void SkinnedDialog::drawImage(QPainter& painter, std::string_view name, int x, int y) {
    if (!DrawSkinImage(painter, skin_, name, x, y)) reportMissing(name);
}

void SkinnedDialog::checkImage(std::string_view name) {
    std::filesystem::path file = skin_.folder;
    file += std::filesystem::path(std::string(name));
    if (!skin_.cache.get(file)) reportMissing(name);
}

void SkinnedDialog::reportMissing(std::string_view name) {
    // Once per image and dialog: a message at every draw would come back at every hover.
    if (reported_.contains(name)) return;
    reported_.emplace(name);
    messages_.show("LoadPng---Load image failed.", "");
}

void SkinnedDialog::drawWhiteCaption(QPainter& painter, layout::Rect rect, std::string_view text) {
    drawCaption(painter, clientRect(rect), toQString(text), font_, Qt::white);
}

ChooserBox& SkinnedDialog::addChooser(ClientRect display, ClientRect clickRegion, ClientRect list,
                                      std::function<std::vector<QString>()> entries) {
    choosers_.push_back(std::make_unique<ChooserBox>(this, display, clickRegion, list, std::move(entries), &skin_));
    return *choosers_.back();
}

void SkinnedDialog::clickAt(QPoint point) {
    const int x = point.x(), y = point.y();
    bool chooserClick = false;
    for (const auto& chooser : choosers_) chooserClick = chooser->click(x, y) || chooserClick;
    if (chooserClick) return;
    if (const std::optional<int> button = buttons_.hit(x, y)) {
        if (*button == kOk) accept();
        else reject();
        return;
    }
    regionClicked(x, y);
}

void SkinnedDialog::regionClicked(int, int) {}

void SkinnedDialog::hoverAt(QPoint point) {
    // An empty dialog draws nothing; its regions only answer clicks.
    if (!hasContent_ || !buttons_.needsRedraw(point.x(), point.y())) return;
    const auto dc = drawScope();
    dc->limitCopyTo(buttons_.track(point.x(), point.y(), dc->painter(), skin_));
}

void SkinnedDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, canvas_);
}

void SkinnedDialog::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) clickAt(event->position().toPoint());
}

void SkinnedDialog::mouseMoveEvent(QMouseEvent* event) { hoverAt(event->position().toPoint()); }

void SkinnedDialog::leaveEvent(QEvent*) { hoverAt({-1, -1}); }

void SkinnedDialog::keyPressEvent(QKeyEvent* event) {
    // The keyboard closes the dialog as a dialog box always has: Enter confirms, Esc cancels.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) accept();
    else QDialog::keyPressEvent(event);
}

void SkinnedDialog::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    for (const auto& chooser : choosers_)
        if (chooser->isOpen()) chooser->scroll(notches);
}

ChooserBox::ChooserBox(QWidget* dialog, ClientRect display, ClientRect clickRegion, ClientRect list,
                       std::function<std::vector<QString>()> entries, const SkinState* skin)
    : dialog_(dialog),
      skin_(skin),
      click_(clickRegion),
      listRect_(list),
      entries_(std::move(entries)),
      display_(std::make_unique<QLabel>(dialog)) {
    display_->setGeometry(toQRect(display));
    display_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    display_->setAlignment(Qt::AlignCenter);
    display_->setAttribute(Qt::WA_TransparentForMouseEvents);  // its clicks are the dialog's region
    display_->show();
}

ChooserBox::~ChooserBox() = default;

bool ChooserBox::click(int x, int y) {
    if (!click_.contains(x, y)) {
        close();
        return false;
    }
    if (isOpen()) close();
    else open();
    return true;
}

void ChooserBox::open() {
    // A fresh list each time, filled from the source as it stands now.
    filled_ = entries_();
    // A list reaching past the dialog's bottom edge would hide its last entries with no
    // scroll bar to reach them: it ends at the edge and scrolls instead.
    ClientRect place = listRect_;
    place.bottom = std::min(place.bottom, dialog_->height());
    // Wider than the art's box where an entry needs it ("Browser-Search"), as far as the
    // dialog's right edge.
    const QFontMetrics metrics(skin_ ? skin_->textFont : dialog_->font());
    const int scrollBar = dialog_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (const QString& entry : filled_)
        place.right = std::max(place.right, place.left + metrics.horizontalAdvance(entry) + kListPadding + scrollBar);
    place.right = std::min(place.right, dialog_->width() - 2);
    drop_ = std::make_unique<DropDownBox>(dialog_, click_, place, filled_, skin_);
    drop_->setChoice(-1);
    drop_->onChosen = [this](int index) {
        if (index >= 0 && static_cast<std::size_t>(index) < filled_.size()) {
            const QString text = filled_[static_cast<std::size_t>(index)];
            show(text);
            if (onOpenChanged) onOpenChanged(false);
            if (onChosen) onChosen(index, text);
        }
    };
    drop_->toggle();
    drop_->list()->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
    // An entry still wider than the room ends in "..." rather than taking a line of the few
    // the list shows for a horizontal scroll bar.
    drop_->list()->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    drop_->list()->setTextElideMode(Qt::ElideRight);
    if (onOpenChanged) onOpenChanged(true);
}

void ChooserBox::close() {
    if (!isOpen()) return;
    drop_->close();
    if (onOpenChanged) onOpenChanged(false);
}

void ChooserBox::scroll(int notches) {
    if (QListWidget* l = list()) l->verticalScrollBar()->setValue(l->verticalScrollBar()->value() - 3 * notches);
}

void ChooserBox::show(const QString& text) {
    // "Multimedia Player" is wider than the box: cut it visibly instead of at both edges.
    text_ = text;
    const int room = display_->contentsRect().width() - 2;
    display_->setText(display_->fontMetrics().elidedText(text, Qt::ElideRight, room));
    display_->setToolTip(text);
}

QString ChooserBox::shown() const { return text_; }

}  // namespace tarvik::ui
