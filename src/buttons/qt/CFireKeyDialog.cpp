// The fire-key dialog, drawn from "/fire-key.png".
#include "buttons/qt/CFireKeyDialog.h"

#include <QEvent>
#include <QLineEdit>
#include <QPainter>
#include <QRegularExpressionValidator>

#include "buttons/ChoiceTables.h"
#include "ui/DecimalField.h"
#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

constexpr ClientRect kChosenDisplay{49, 69, 117, 85};
constexpr ClientRect kList{49, 87, 132, 257};
constexpr int kNotesPadding = 8;
constexpr int kNotesAccent = 6;  // the art's accent bar at the panel's left edge

std::vector<QString> fireEntries() {
    std::vector<QString> entries;
    for (const std::string_view item : fireKeyItems()) entries.push_back(ui::toQString(item));
    return entries;
}

}  // namespace

CFireKeyDialog::CFireKeyDialog(ui::DialogSkin setup, QWidget* owner)
    : SkinnedDialog(setup, "/fire-key.png", "FireKey Dialog Load background image failed!!!", owner) {
    if (!hasContent()) return;  // OK then returns the initial values
    drawTexts();
    chooser_ = &addChooser(kChosenDisplay, ui::clientRect(layout::kFireChooser), kList, fireEntries);
    chooser_->show(ui::toQString(choice_.chosenText));
    chooser_->onOpenChanged = [this](bool open) {
        speed_->setEnabled(!open);
        count_->setEnabled(!open);
        if (open) setFocus();  // a speed being typed is read now, as on any focus change
    };
    chooser_->onChosen = [this](int index, const QString& text) {
        choice_.chosenIndex = index;
        choice_.chosenText = text.toStdString();
    };
    speed_ = makeNumberField(layout::kFireSpeed, "32");
    speed_->installEventFilter(this);
    count_ = makeNumberField(layout::kFireCount, "1");
    QObject::connect(count_.get(), &QLineEdit::textChanged, this, [this] { countChanged(); });
}

CFireKeyDialog::~CFireKeyDialog() = default;

std::unique_ptr<QLineEdit> CFireKeyDialog::makeNumberField(layout::Rect place, const char* text) {
    auto field = std::make_unique<QLineEdit>(QString::fromLatin1(text), this);
    field->setGeometry(ui::toQRect(ui::clientRect(place)));
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field.get()));
    return field;
}

void CFireKeyDialog::drawTexts() {
    const auto dc = drawScope();
    QPainter& painter = dc->painter();
    const auto text = [this](DialogText id) { return dialogText(id, language()); };
    drawWhiteCaption(painter, layout::kFireSpeedLabel, text(DialogText::FireSpeedLabel));
    drawWhiteCaption(painter, layout::kFireCountLabel, text(DialogText::FireCountLabel));
    const QString notes = ui::toQString(text(DialogText::FireNotesHeading)) + "\n" +
                          ui::toQString(text(DialogText::FireSpeedNote)) + "\n" +
                          ui::toQString(text(DialogText::FireCountNote));
    const QRect area = ui::toQRect(ui::clientRect(layout::kFireNotes))
                           .adjusted(kNotesPadding + kNotesAccent, kNotesPadding, -kNotesPadding, -kNotesPadding);
    painter.setFont(textFont());
    painter.setPen(Qt::white);
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, notes);
}

std::optional<FireKeyChoice> CFireKeyDialog::confirmedChoice() const {
    if (!confirmed()) return std::nullopt;
    return choice_;
}

void CFireKeyDialog::done(int result) {
    // The fields lose the focus as the dialog closes; OK keeps the speed accepted last.
    closing_ = true;
    SkinnedDialog::done(result);
}

bool CFireKeyDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == speed_.get() && event->type() == QEvent::FocusOut && !closing_) speedLeft();
    return SkinnedDialog::eventFilter(watched, event);
}

void CFireKeyDialog::speedLeft() {
    const FieldValue speed = fireSpeedFromText(speed_->text().toStdString());
    choice_.fireSpeedValue = speed.value;
    if (speed.replace) speed_->setText(QString::number(speed.value));
}

void CFireKeyDialog::countChanged() {
    const FieldValue count = fireCountFromText(count_->text().toStdString());
    choice_.fireCountValue = count.value;
    if (count.replace) count_->setText(QString::number(count.value));  // changes again, to 1
}

}  // namespace tarvik
