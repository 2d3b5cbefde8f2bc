// The delay dialog, drawn from "/delay-time.png".
#include "macros/qt/CDelayTimeDialog.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

#include "ui/DecimalField.h"
#include "ui/TextCatalogue.h"

namespace tarvik {

CDelayTimeDialog::CDelayTimeDialog(ui::DialogSkin setup, QWidget* owner)
    : SkinnedDialog(setup, "/delay-time.png", "DelayTime Dialog Load background image failed!!!", owner) {
    if (!hasContent()) return;
    {
        const auto dc = drawScope();
        drawWhiteCaption(dc->painter(), layout::kDelayPrompt, dialogText(DialogText::DelayPrompt, language()));
        drawWhiteCaption(dc->painter(), layout::kDelayRange, dialogText(DialogText::DelayRange, language()));
    }
    field_ = std::make_unique<QLineEdit>(this);
    field_->setGeometry(ui::toQRect(ui::clientRect(layout::kDelayEntry)));
    field_->setAlignment(Qt::AlignCenter);
    field_->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field_.get()));
    QObject::connect(field_.get(), &QLineEdit::textChanged, this, [this](const QString& text) {
        entry_.delayText = text.toStdString();
        entry_.delayValue = readDecimalField(entry_.delayText);
    });
    field_->setFocus();  // type the number, Enter confirms
}

CDelayTimeDialog::~CDelayTimeDialog() = default;

std::optional<DelayEntry> CDelayTimeDialog::confirmedEntry() const {
    if (!confirmed()) return std::nullopt;
    return entry_;
}

}  // namespace tarvik
