// The multimedia dialog ("/media-key.png") and the Windows-function dialog ("/windows-key.png").
#include "buttons/qt/ChoiceDialogs.h"

namespace tarvik {
namespace {

constexpr ClientRect kDisplay{42, 128, 136, 144};
constexpr ClientRect kMediaList{42, 146, 151, 266};
constexpr ClientRect kWindowsList{42, 146, 151, 306};

}  // namespace

CListChoiceDialog::CListChoiceDialog(ui::DialogSkin setup, std::string_view background, std::string_view failureCaption,
                                     std::span<const ChoiceText> items, ClientRect list, QWidget* owner)
    : SkinnedDialog(setup, background, failureCaption, owner) {
    const LanguageId lang = language();
    choice_.chosenText = std::string(choiceTextIn(items.front(), lang));  // what OK returns untouched
    if (!hasContent()) return;
    chooser_ = &addChooser(kDisplay, ui::clientRect(layout::kChoiceBox), list, [items, lang] {
        std::vector<QString> entries;
        for (const ChoiceText& item : items) entries.push_back(ui::toQString(choiceTextIn(item, lang)));
        return entries;
    });
    chooser_->show(ui::toQString(choice_.chosenText));
    chooser_->onChosen = [this](int index, const QString& text) { choice_ = {index, text.toStdString()}; };
}

CListChoiceDialog::~CListChoiceDialog() = default;

std::optional<ListChoice> CListChoiceDialog::confirmedChoice() const {
    if (!confirmed()) return std::nullopt;
    return choice_;
}

CMediaDialog::CMediaDialog(ui::DialogSkin setup, QWidget* owner)
    : CListChoiceDialog(setup, "/media-key.png", "Media Dialog Load background image failed!!!", mediaItems(),
                        kMediaList, owner) {}

CWindowsDialog::CWindowsDialog(ui::DialogSkin setup, QWidget* owner)
    : CListChoiceDialog(setup, "/windows-key.png", "Windows Dialog Load background image failed!!!", windowsItems(),
                        kWindowsList, owner) {}

}  // namespace tarvik
