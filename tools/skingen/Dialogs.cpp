// The eight dialog backgrounds: a shared frame (title bar, panel, button bay) plus each dialog's field frames
// and a pictogram of what the dialog is for.
#include <QLinearGradient>
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Art.h"
#include "Paint.h"

namespace skingen {
namespace {

namespace L = layout;

const QColor kDialogControl(0x28, 0x28, 0x28);  // dialog controls paint this grey themselves
constexpr L::Rect kBody{10, 38, L::kDialog.width - 10, 244};
constexpr L::Rect kButtonBay{161, 249, 380, 278};
constexpr int kChooserArrow = 15;
const QPointF kPictogramCentre(292, 142);

void dialogFrame(QPainter& p, const Palette& pal) {
    const QRectF all(0, 0, L::kDialog.width, L::kDialog.height);
    windowBody(p, all, pal);
    const QRectF bar(0, 0, all.width(), L::kDialogTitleHeight);
    fillVertical(p, bar, col(pal.titleTop), col(pal.titleBottom));
    fadeLine(p, 0, bar.width(), bar.bottom() - 1, col(pal.accent, 200));
    titleMark(p, 10, L::kDialogTitleHeight, 12, pal);
    groupPanel(p, kBody, pal);
    well(p, kButtonBay, col(pal.bgBottom), pal);
    p.setPen(QPen(col(pal.panelEdge), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0.5, 0.5, all.width() - 1, all.height() - 1));
    fadeLine(p, 0, all.width(), 0, col(pal.accent), 1);
}

void pictogramGlow(QPainter& p, const Palette& pal) { glow(p, kPictogramCentre, 80, col(pal.accent, 40)); }

QPen ink(const Palette& pal, qreal width = 2.2) {
    return QPen(col(pal.accent), width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void keycap(QPainter& p, const QPointF& c, qreal size, const Palette& pal) {
    const QRectF outer(c.x() - size / 2, c.y() - size / 2, size, size);
    fillVertical(p, outer, col(pal.buttonTop), col(pal.buttonBottom), size * 0.14);
    p.setPen(ink(pal));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer, size * 0.14, size * 0.14);
    const QRectF face = outer.adjusted(size * 0.14, size * 0.1, -size * 0.14, -size * 0.22);
    fillVertical(p, face, col(pal.panelHighlight, 50), col(pal.accent, 30), size * 0.1);
    p.setPen(QPen(col(pal.accent, 160), 1.2));
    p.drawRoundedRect(face, size * 0.1, size * 0.1);
}

void plusSign(QPainter& p, const QPointF& c, const Palette& pal) {
    p.setPen(ink(pal, 3));
    p.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
    p.drawLine(c + QPointF(0, -8), c + QPointF(0, 8));
}

void stopwatch(QPainter& p, const Palette& pal) {
    const QPointF c = kPictogramCentre + QPointF(0, 8);
    p.setPen(ink(pal, 3));
    p.setBrush(col(pal.panelBottom));
    p.drawEllipse(c, 46, 46);
    p.drawLine(c + QPointF(0, -46), c + QPointF(0, -56));
    p.drawLine(c + QPointF(-10, -58), c + QPointF(10, -58));
    p.setPen(QPen(col(pal.accent, 150), 1.5));
    for (int i = 0; i < 12; ++i) {
        const qreal a = i * std::numbers::pi / 6;
        const QPointF d(std::sin(a), -std::cos(a));
        p.drawLine(c + d * 38, c + d * 42);
    }
    p.setPen(ink(pal, 3));
    p.drawLine(c, c + QPointF(20, -20));
    p.setBrush(col(pal.accentBright));
    p.drawEllipse(c, 3, 3);
}

void mediaGlyph(QPainter& p, const Palette& pal) {
    const QPointF c = kPictogramCentre;
    p.setPen(ink(pal, 3));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 52, 52);
    QPainterPath play;
    play.moveTo(c + QPointF(-16, -26));
    play.lineTo(c + QPointF(28, 0));
    play.lineTo(c + QPointF(-16, 26));
    play.closeSubpath();
    p.setBrush(col(pal.accent, 90));
    p.drawPath(play);
}

void appWindowGlyph(QPainter& p, const Palette& pal) {
    const QRectF w(kPictogramCentre.x() - 58, kPictogramCentre.y() - 44, 116, 88);
    fillVertical(p, w, col(pal.buttonTop), col(pal.buttonBottom), 8);
    p.setPen(ink(pal, 2.5));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(w, 8, 8);
    p.drawLine(QPointF(w.left(), w.top() + 18), QPointF(w.right(), w.top() + 18));
    p.setPen(Qt::NoPen);
    p.setBrush(col(pal.accent));
    for (int i = 0; i < 3; ++i) p.drawEllipse(QPointF(w.left() + 12 + 10 * i, w.top() + 9), 3, 3);
    // Four app tiles in the window body.
    p.setBrush(col(pal.accent, 110));
    for (int r = 0; r < 2; ++r)
        for (int k = 0; k < 4; ++k)
            p.drawRoundedRect(QRectF(w.left() + 12 + 24 * k, w.top() + 28 + 26 * r, 18, 18), 4, 4);
}

void paletteGlyph(QPainter& p, const Palette& pal) {
    const QPointF c = kPictogramCentre;
    QPainterPath board;
    board.addEllipse(c, 60, 50);
    QPainterPath thumb;
    thumb.addEllipse(c + QPointF(26, 22), 11, 9);
    board = board.subtracted(thumb);
    QLinearGradient shade(board.boundingRect().topLeft(), board.boundingRect().bottomLeft());
    shade.setColorAt(0, col(pal.buttonTop));
    shade.setColorAt(1, col(pal.buttonBottom));
    p.setPen(ink(pal, 2.5));
    p.setBrush(shade);
    p.drawPath(board);
    const QColor paints[] = {QColor(0xE5, 0x39, 0x35), QColor(0xFD, 0xD8, 0x35), QColor(0x43, 0xA0, 0x47),
                             QColor(0x1E, 0x88, 0xE5), col(pal.accent)};
    const QPointF spots[] = {{-34, -8}, {-16, -30}, {12, -32}, {36, -14}, {-22, 20}};
    p.setPen(QPen(col(pal.shellEdge), 1));
    for (int i = 0; i < 5; ++i) {
        p.setBrush(paints[i]);
        p.drawEllipse(c + spots[i], 9, 9);
    }
}

void singleKey(QPainter& p, const Palette& pal) {
    well(p, L::kSingleKeyName, kDialogControl, pal);
    pictogramGlow(p, pal);
    keycap(p, kPictogramCentre, 92, pal);
}

void comboKey(QPainter& p, const Palette& pal) {
    chooserWell(p, L::kComboModifierBox, kChooserArrow, kDialogControl, pal);
    well(p, L::kComboKey1, kDialogControl, pal);
    well(p, L::kComboKey2, kDialogControl, pal);
    pictogramGlow(p, pal);
    keycap(p, kPictogramCentre + QPointF(-40, 0), 58, pal);
    plusSign(p, kPictogramCentre, pal);
    keycap(p, kPictogramCentre + QPointF(40, 0), 58, pal);
}

void fireKey(QPainter& p, const Palette& pal) {
    chooserWell(p, L::kFireChooser, kChooserArrow, kDialogControl, pal);
    well(p, L::kFireSpeed, kDialogControl, pal);
    well(p, L::kFireCount, kDialogControl, pal);
    // Panel for the notes the dialog writes on the right.
    const QRectF notes = rectF(L::kFireNotes);
    fillVertical(p, notes, col(pal.headerFill), col(pal.panelBottom), 5);
    strokeRounded(p, notes, col(pal.panelEdge), 5);
    fillVertical(p, QRectF(notes.left() + 5, notes.top() + 6, 3, 14), col(pal.accentBright), col(pal.accent), 1.5);
}

void choiceDialog(QPainter& p, const Palette& pal) {
    chooserWell(p, L::kChoiceBox, L::kChoiceBox.right - 136, kDialogControl, pal);
}

void mediaKey(QPainter& p, const Palette& pal) {
    choiceDialog(p, pal);
    pictogramGlow(p, pal);
    mediaGlyph(p, pal);
}

void windowsKey(QPainter& p, const Palette& pal) {
    choiceDialog(p, pal);
    pictogramGlow(p, pal);
    appWindowGlyph(p, pal);
}

void macroKey(QPainter& p, const Palette& pal) {
    choiceDialog(p, pal);
    // One row panel per repeat mode; the dialog draws the tick box and the wrapped text on it.
    for (int i = 0; i < 3; ++i) {
        const L::Rect box = L::macroRepeatBox(i), text = L::macroRepeatText(i);
        const QRectF row(box.left - 8, text.top - 2, kBody.right - 6 - (box.left - 8), text.height() + 4);
        fillVertical(p, row, col(pal.headerFill), col(pal.panelBottom), 5);
        strokeRounded(p, row, col(pal.panelEdge), 5);
    }
}

void delayTime(QPainter& p, const Palette& pal) {
    well(p, L::kDelayEntry, kDialogControl, pal);
    pictogramGlow(p, pal);
    stopwatch(p, pal);
}

void skinsDialog(QPainter& p, const Palette& pal) {
    well(p, L::kSkinsSwatch, kDialogControl, pal);
    chooserWell(p, L::kChoiceBox, L::kChoiceBox.right - 136, kDialogControl, pal);
    pictogramGlow(p, pal);
    paletteGlyph(p, pal);
}

}  // namespace

QImage dialogBackground(const Palette& pal, DialogKind kind) {
    QImage img(L::kDialog.width, L::kDialog.height, QImage::Format_RGB32);
    QPainter p(&img);
    begin(p);
    dialogFrame(p, pal);
    switch (kind) {
    case DialogKind::ComboKey: comboKey(p, pal); break;
    case DialogKind::DelayTime: delayTime(p, pal); break;
    case DialogKind::FireKey: fireKey(p, pal); break;
    case DialogKind::MacroKey: macroKey(p, pal); break;
    case DialogKind::MediaKey: mediaKey(p, pal); break;
    case DialogKind::SingleKey: singleKey(p, pal); break;
    case DialogKind::Skins: skinsDialog(p, pal); break;
    case DialogKind::WindowsKey: windowsKey(p, pal); break;
    }
    return img;
}

}  // namespace skingen
