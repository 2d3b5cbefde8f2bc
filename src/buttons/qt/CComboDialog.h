// The combo-key dialog: one modifier from a list and up to two keys, each captured into the
// key field that has the focus.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "ui/qt/KeyCapture.h"
#include "ui/qt/SkinnedDialog.h"

class QLineEdit;

namespace tarvik {

struct ComboKeys {
    std::string modifierName;  // "Left Ctrl" ... "Right Win", or empty
    std::string key1Name, key2Name;
};

class CComboDialog : public ui::SkinnedDialog {
public:
    CComboDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
    ~CComboDialog() override;

    const ComboKeys& keys() const { return keys_; }
    int modifierIndex() const { return modifierIndex_; }
    // The keys once OK was clicked; nothing after Cancel or close.
    std::optional<ComboKeys> confirmedKeys() const;

    QLineEdit* keyField(int i) const { return i == 0 ? key1_.get() : key2_.get(); }
    ui::ChooserBox& modifierBox() { return *modifiers_; }

private:
    bool onKey(const ui::KeyStroke& stroke);
    std::unique_ptr<QLineEdit> makeKeyField(layout::Rect place);

    ComboKeys keys_;
    int modifierIndex_ = -1;
    ui::ChooserBox* modifiers_ = nullptr;
    std::unique_ptr<QLineEdit> key1_, key2_;
    std::unique_ptr<ui::KeyCapture> capture_;
};

}  // namespace tarvik
