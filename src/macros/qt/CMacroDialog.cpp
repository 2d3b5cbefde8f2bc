// The macro dialog, drawn from "/macro-key.png".
#include "macros/qt/CMacroDialog.h"

#include <QFontMetrics>
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
constexpr int kSmallestPixelSize = 9;

// The dialog font, made smaller until the wrapped text fits its box: the English modes take
// three lines where two were planned.
QFont fittingFont(QFont font, const QRect& rect, const QString& text, int flags) {
    while (font.pixelSize() > kSmallestPixelSize &&
           QFontMetrics(font).boundingRect(rect, flags, text).height() > rect.height())
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

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

void CMacroDialog::drawRepeatText(QPainter& painter, int mode) {
    const layout::Rect place = layout::macroRepeatText(mode);
    const QRect rect(QPoint(place.left + kRepeatTextIndent, place.top - kRepeatTextSlack),
                     QPoint(kRepeatTextRight - 1, place.bottom + kRepeatTextSlack - 1));
    const QString text = ui::qText(dialogText(kRepeatTexts[mode], language()));
    const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap;
    painter.setFont(fittingFont(textFont(), rect, text, flags));
    painter.setPen(Qt::white);
    painter.drawText(rect, flags, text);
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
