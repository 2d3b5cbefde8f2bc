// The combo-key dialog, drawn from "/combo-key.png".
#include "buttons/qt/CComboDialog.h"

#include <QLineEdit>

#include "buttons/KeyCodes.h"
#include "buttons/qt/CSingleDialog.h"

namespace tarvik {
namespace {

constexpr ClientRect kModifierDisplay{49, 69, 117, 85};
constexpr ClientRect kModifierList{49, 87, 132, 227};

// The eight modifiers in bit order, which is the list order; no empty entry, so a modifier
// once chosen can be changed but not removed.
std::vector<QString> modifierEntries() {
    std::vector<QString> names;
    for (int bit = 0; bit < 8; ++bit)
        names.push_back(ui::toQString(modifierNameFromBit(static_cast<std::uint8_t>(1u << bit))));
    return names;
}

}  // namespace

CComboDialog::CComboDialog(ui::DialogSkin setup, QWidget* owner)
    : SkinnedDialog(setup, "/combo-key.png", "Combo Dialog Load background image failed!!!", owner) {
    if (!hasContent()) return;
    setFocusPolicy(Qt::StrongFocus);  // the dialog itself holds the focus until a field is clicked
    modifiers_ =
        &addChooser(kModifierDisplay, ui::clientRect(layout::kComboModifierBox), kModifierList, modifierEntries);
    modifiers_->onOpenChanged = [this](bool open) {
        key1_->setEnabled(!open);
        key2_->setEnabled(!open);
        if (open) setFocus();
    };
    modifiers_->onChosen = [this](int index, const QString& name) {
        modifierIndex_ = index;
        keys_.modifierName = name.toStdString();
    };
    key1_ = makeKeyField(layout::kComboKey1);
    key2_ = makeKeyField(layout::kComboKey2);
    setFocus();
    capture_ = std::make_unique<ui::KeyCapture>([this](const ui::KeyStroke& stroke) { return onKey(stroke); });
}

CComboDialog::~CComboDialog() = default;

std::unique_ptr<QLineEdit> CComboDialog::makeKeyField(layout::Rect place) {
    auto field = std::make_unique<QLineEdit>(this);
    field->setGeometry(ui::toQRect(ui::clientRect(place)));
    field->setAlignment(Qt::AlignCenter);
    field->setFrame(false);
    field->setReadOnly(true);  // it shows a key name, it is not typed into
    field->setFocusPolicy(Qt::ClickFocus);
    return field;
}

std::optional<ComboKeys> CComboDialog::confirmedKeys() const {
    if (!confirmed()) return std::nullopt;
    return keys_;
}

bool CComboDialog::onKey(const ui::KeyStroke& stroke) {
    QWidget* focus = focusWidget();  // the dialog's own: keys for other windows change nothing
    std::string* target = focus == key1_.get() ? &keys_.key1Name : focus == key2_.get() ? &keys_.key2Name : nullptr;
    if (!target) return closesDialog(stroke);
    // The whole text is replaced at every event, so after a release the field shows the
    // name. The key is the field's content: it neither edits the field nor moves the focus.
    *target = std::string(stroke.name);
    static_cast<QLineEdit*>(focus)->setText(ui::toQString(stroke.name));
    return true;
}

}  // namespace tarvik
