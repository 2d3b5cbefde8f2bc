// The fire-key dialog: which key or mouse button to repeat, how fast and how often.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "ui/qt/SkinnedDialog.h"

class QLineEdit;

namespace tarvik {

struct FireKeyChoice {
    int chosenIndex = 0;
    std::string chosenText = "A";
    std::uint8_t fireSpeedValue = 32;
    std::uint8_t fireCountValue = 1;
};

class CFireKeyDialog : public ui::SkinnedDialog {
public:
    CFireKeyDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
    ~CFireKeyDialog() override;

    const FireKeyChoice& choice() const { return choice_; }
    // The choice once OK was clicked; nothing after Cancel or close.
    std::optional<FireKeyChoice> confirmedChoice() const;

    QLineEdit* speedField() const { return speed_.get(); }
    QLineEdit* countField() const { return count_.get(); }
    ui::ChooserBox& chooser() { return *chooser_; }

    void done(int result) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QLineEdit> makeNumberField(layout::Rect place, const char* text);
    void drawTexts();
    void speedLeft();
    void countChanged();

    FireKeyChoice choice_;
    bool closing_ = false;
    ui::ChooserBox* chooser_ = nullptr;
    std::unique_ptr<QLineEdit> speed_, count_;
};

}  // namespace tarvik
