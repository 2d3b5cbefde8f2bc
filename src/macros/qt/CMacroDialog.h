// The macro dialog: which stored macro a mouse button plays and how it repeats.
#pragma once

#include <filesystem>
#include <optional>
#include <string>

#include "ui/qt/SkinnedDialog.h"

namespace tarvik {

struct MacroChoice {
    int selectedMacro = 0;  // position in the store order, slot number - 1
    int repeatMode = 1;     // 1-3
    std::string selectedName;
};

class CMacroDialog : public ui::SkinnedDialog {
public:
    // The list offers the macros of `recordIni` as they stand each time it opens.
    CMacroDialog(ui::DialogSkin setup, std::filesystem::path recordIni, QWidget* owner = nullptr);
    ~CMacroDialog() override;

    const MacroChoice& choice() const { return choice_; }
    // The choice once OK was clicked; nothing after Cancel or close.
    std::optional<MacroChoice> confirmedChoice() const;
    ui::ChooserBox& chooser() { return *chooser_; }

protected:
    void regionClicked(int x, int y) override;

private:
    void drawRepeatText(QPainter& painter, int mode);
    QFont repeatFont() const;
    void drawTicks(QPainter& painter);

    std::filesystem::path recordIni_;
    MacroChoice choice_;
    ui::ChooserBox* chooser_ = nullptr;
};

}  // namespace tarvik
