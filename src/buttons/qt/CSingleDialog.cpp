// The single-key dialog, drawn from "/single-key.png".
#include "buttons/qt/CSingleDialog.h"

#include <QLabel>

#include "ui/TextCatalogue.h"

namespace tarvik {

bool closesDialog(const ui::KeyStroke& stroke) {
    return stroke.press && (stroke.name == "Enter" || stroke.name == "Num Enter" || stroke.name == "Esc");
}

CSingleDialog::CSingleDialog(ui::DialogSkin setup, QWidget* owner)
    : SkinnedDialog(setup, "/single-key.png", "Single Key Dialog Load background image failed!!!", owner) {
    if (!hasContent()) return;  // no controls and no capture
    {
        const auto dc = drawScope();
        drawWhiteCaption(dc->painter(), layout::kSingleKeyPrompt, dialogText(DialogText::SingleKeyPrompt, language()));
    }
    nameDisplay_ = std::make_unique<QLabel>(this);
    nameDisplay_->setGeometry(ui::toQRect(ui::clientRect(layout::kSingleKeyName)));
    nameDisplay_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    nameDisplay_->setAlignment(Qt::AlignCenter);
    nameDisplay_->setAttribute(Qt::WA_TransparentForMouseEvents);
    capture_ = std::make_unique<ui::KeyCapture>([this](const ui::KeyStroke& stroke) { return onKey(stroke); });
}

CSingleDialog::~CSingleDialog() = default;

std::optional<std::string> CSingleDialog::confirmedName() const {
    if (!confirmed()) return std::nullopt;
    return capturedName_;
}

bool CSingleDialog::onKey(const ui::KeyStroke& stroke) {
    // Presses and releases alike: the name left is that of the last key event.
    capturedName_ = std::string(stroke.name);
    // "Left Windows" is wider than the box: a smaller font rather than a name cut at both ends.
    const QString name = ui::toQString(stroke.name);
    nameDisplay_->setFont(ui::fittedFont(textFont(), nameDisplay_->contentsRect().adjusted(2, 0, -2, 0), name,
                                         Qt::AlignCenter | Qt::TextSingleLine));
    nameDisplay_->setText(name);
    const bool windowsKey = stroke.name == "Left Windows" || stroke.name == "Right Windows";
    return windowsKey || closesDialog(stroke);
}

}  // namespace tarvik
