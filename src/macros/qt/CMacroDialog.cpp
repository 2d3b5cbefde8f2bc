// The macro dialog, drawn from "/macro-key.png".
#include "macros/qt/CMacroDialog.h"

#include <QPainter>

#include "macros/MacroStore.h"
#include "ui/TextCatalogue.h"

namespace tarvik {
namespace {

constexpr ClientRect kNameBox{42, 128, 136, 144};
constexpr ClientRect kList{42, 146, 151, 286};
constexpr DialogText kRepeatTexts[] = {DialogText::RepeatUntilCountOrKey, DialogText::RepeatUntilKey,
                                       DialogText::RepeatWhileHeld};
constexpr int kModes = 3;

}  // namespace

CMacroDialog::CMacroDialog(ui::DialogSkin setup, std::filesystem::path recordIni, QWidget* owner)
    : SkinnedDialog(setup, "/macro-key.png", "Macro Key Dialog Load background image failed!!!", owner),
      recordIni_(std::move(recordIni)) {
    if (!hasContent()) return;
    {
        const auto dc = drawScope();
        drawWhiteCaption(dc->painter(), layout::kMacroPrompt, dialogText(DialogText::MacroPrompt, language()));
        for (int i = 0; i < kModes; ++i)
            drawWhiteLabel(dc->painter(), layout::macroRepeatText(i), dialogText(kRepeatTexts[i], language()));
        drawTicks(dc->painter());
    }
    chooser_ = &addChooser(kNameBox, ui::clientRect(layout::kChoiceBox), kList, [this] {
        std::vector<QString> entries;
        for (const std::string& name : ListMacroNames(recordIni_)) entries.push_back(ui::qText(name));
        return entries;
    });
    chooser_->onChosen = [this](int index, const QString& name) {
        choice_.selectedMacro = index;
        choice_.selectedName = name.toStdString();
    };
}

CMacroDialog::~CMacroDialog() = default;

std::optional<MacroChoice> CMacroDialog::confirmedChoice() const {
    if (!confirmed()) return std::nullopt;
    return choice_;
}

void CMacroDialog::drawTicks(QPainter& painter) {
    for (int i = 0; i < kModes; ++i) {
        const layout::Rect box = layout::macroRepeatBox(i);
        drawImage(painter, i + 1 == choice_.repeatMode ? "/PaneMakingTick.png" : "/Pane.png", box.left, box.top);
    }
}

void CMacroDialog::regionClicked(int x, int y) {
    if (!hasContent()) return;
    for (int i = 0; i < kModes; ++i) {
        if (!layout::macroRepeatBox(i).contains(x, y) || choice_.repeatMode == i + 1) continue;
        choice_.repeatMode = i + 1;
        const auto dc = drawScope();
        drawTicks(dc->painter());
        return;
    }
}

}  // namespace tarvik
