// The multimedia and Windows-function dialogs: one item of a list, shown in a name box.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "buttons/ChoiceTables.h"
#include "ui/qt/SkinnedDialog.h"

namespace tarvik {

struct ListChoice {
    int chosenIndex = 0;
    std::string chosenText;
};

// The common chooser: starts on item 0 in the dialog's language.
class CListChoiceDialog : public ui::SkinnedDialog {
public:
    ~CListChoiceDialog() override;
    const ListChoice& choice() const { return choice_; }
    // The choice once OK was clicked; nothing after Cancel or close.
    std::optional<ListChoice> confirmedChoice() const;
    ui::ChooserBox& chooser() { return *chooser_; }

protected:
    CListChoiceDialog(ui::DialogSkin setup, std::string_view background, std::string_view failureCaption,
                      std::span<const ChoiceText> items, ClientRect list, QWidget* owner);

private:
    ListChoice choice_;
    ui::ChooserBox* chooser_ = nullptr;
};

class CMediaDialog : public CListChoiceDialog {
public:
    CMediaDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
};

class CWindowsDialog : public CListChoiceDialog {
public:
    CWindowsDialog(ui::DialogSkin setup, QWidget* owner = nullptr);
};

}  // namespace tarvik
