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
// The texts' rectangles reach past the art's boxes (which end at x 367) and the dialog's own
// edge; they are drawn inside the boxes, beside their tick, so no word is cut off.
constexpr int kRepeatTextRight = 362;
constexpr int kRepeatTextIndent = 4;
constexpr int kRepeatTextSlack = 2;  // the boxes are 2 px taller than the rectangles each way

QRect repeatTextRect(int mode) {
    const layout::Rect place = layout::macroRepeatText(mode);
    return {QPoint(place.left + kRepeatTextIndent, place.top - kRepeatTextSlack),
            QPoint(kRepeatTextRight - 1, place.bottom + kRepeatTextSlack - 1)};
}

constexpr int kRepeatTextFlags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;

}  // namespace

CMacroDialog::CMacroDialog(ui::DialogSkin setup, std::filesystem::path recordIni, QWidget* owner)
    : SkinnedDialog(setup, "/macro-key.png", "Macro Key Dialog Load background image failed!!!", owner),
      recordIni_(std::move(recordIni)) {
    if (!hasContent()) return;
    {
        const auto dc = drawScope();
        drawWhiteCaption(dc->painter(), layout::kMacroPrompt, dialogText(DialogText::MacroPrompt, language()));
        for (int i = 0; i < kModes; ++i) drawRepeatText(dc->painter(), i);
        drawTicks(dc->painter());
    }
    chooser_ = &addChooser(kNameBox, ui::clientRect(layout::kChoiceBox), kList, [this] {
        std::vector<QString> entries;
        for (const std::string& name : ListMacroNames(recordIni_)) entries.push_back(ui::toQString(name));
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

// The three texts share one font: the largest in which each fits its box.
QFont CMacroDialog::repeatFont() const {
    QFont font = textFont();
    for (int mode = 0; mode < kModes; ++mode)
        font = ui::fittedFont(font, repeatTextRect(mode), ui::toQString(dialogText(kRepeatTexts[mode], language())),
                              kRepeatTextFlags);
    return font;
}

void CMacroDialog::drawRepeatText(QPainter& painter, int mode) {
    painter.setFont(repeatFont());
    painter.setPen(Qt::white);
    painter.drawText(repeatTextRect(mode), kRepeatTextFlags, ui::toQString(dialogText(kRepeatTexts[mode], language())));
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
