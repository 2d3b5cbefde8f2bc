// The mouse drawing: a top view of the shell with buttons 1-7, lit in the skin's accent color.
#include "MouseArt.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Paint.h"

namespace skingen {
namespace {

QPainterPath shellPath() {
    QPainterPath s;
    s.moveTo(130, 186);
    s.cubicTo(170, 186, 196, 214, 198, 262);
    s.cubicTo(200, 310, 206, 360, 206, 420);
    s.cubicTo(206, 500, 172, 546, 130, 546);
    s.cubicTo(88, 546, 54, 500, 54, 420);
    s.cubicTo(54, 360, 60, 310, 62, 262);
    s.cubicTo(64, 214, 90, 186, 130, 186);
    s.closeSubpath();
    return s;
}

// The curve that parts the two main buttons from the palm rest.
QPainterPath buttonLine() {
    QPainterPath l;
    l.moveTo(61, 296);
    l.cubicTo(100, 316, 160, 316, 199, 296);
    return l;
}

void drawShell(QPainter& p, const Palette& pal) {
    const QPainterPath shell = shellPath();
    // Shadow under the shell.
    p.save();
    p.translate(0, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawPath(shell);
    p.restore();

    QLinearGradient body(54, 0, 206, 0);
    body.setColorAt(0, col(pal.shellBottom));
    body.setColorAt(0.35, col(pal.shellTop));
    body.setColorAt(1, col(pal.shellBottom));
    p.setPen(Qt::NoPen);
    p.setBrush(body);
    p.drawPath(shell);

    // Soft highlight on the upper left of the shell.
    p.save();
    p.setClipPath(shell);
    QRadialGradient sheen(QPointF(104, 260), 120);
    sheen.setColorAt(0, QColor(255, 255, 255, 40));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawEllipse(QPointF(104, 260), 120, 120);
    p.restore();

    p.setPen(QPen(col(pal.shellEdge), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(shell);
}

void drawMainButtons(QPainter& p, const Palette& pal) {
    p.setPen(QPen(col(pal.shellEdge), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(buttonLine());
    p.drawLine(QPointF(130, 187), QPointF(130, 311));
    // Wheel with ridges, lit at its centre.
    const QRectF wheel(122, 208, 16, 44);
    p.setBrush(col(pal.shellButton));
    p.drawRoundedRect(wheel, 7, 7);
    p.setPen(QPen(col(pal.shellEdge), 1));
    for (qreal y = wheel.top() + 6; y < wheel.bottom() - 4; y += 4)
        p.drawLine(QPointF(wheel.left() + 3, y), QPointF(wheel.right() - 3, y));
    p.setPen(QPen(col(pal.accent), 2));
    p.drawLine(QPointF(130, wheel.top() + 4), QPointF(130, wheel.bottom() - 4));
    // DPI button behind the wheel.
    p.setPen(QPen(col(pal.shellEdge), 1.2));
    p.setBrush(col(pal.shellButton));
    p.drawRoundedRect(QRectF(123, 266, 14, 24), 4, 4);
    p.setPen(QPen(col(pal.accent), 1.5));
    for (qreal y : {272.0, 278.0, 284.0}) p.drawLine(QPointF(127, y), QPointF(133, y));
    // Fire button beside the left button.
    p.setPen(QPen(col(pal.shellEdge), 1.2));
    p.setBrush(col(pal.shellButton));
    p.drawRoundedRect(QRectF(72, 252, 12, 24), 5, 5);
}

void drawSideButtons(QPainter& p, const Palette& pal) {
    p.setPen(QPen(col(pal.shellEdge), 1.2));
    QLinearGradient g(50, 0, 64, 0);
    g.setColorAt(0, col(pal.shellButton));
    g.setColorAt(1, col(pal.shellTop));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(52, 318, 10, 32), 4, 4);
    p.drawRoundedRect(QRectF(51, 362, 10, 32), 4, 4);
}

void drawLighting(QPainter& p, const Palette& pal) {
    const QPainterPath shell = shellPath();
    p.save();
    p.setClipPath(shell);
    // Light strip down the spine and a glowing ring logo on the palm.
    glow(p, QPointF(130, 470), 34, col(pal.accent, 90));
    fillVertical(p, QRectF(128.5, 330, 3, 90), col(pal.accent, 0), col(pal.accentBright), 1.5);
    p.setPen(QPen(col(pal.accentBright), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(130, 470), 11, 11);
    p.setPen(QPen(col(pal.accent), 1.2));
    p.drawEllipse(QPointF(130, 470), 5, 5);
    // Flank light lines following the rear edges.
    QPainterPath flank;
    flank.moveTo(64, 420);
    flank.cubicTo(64, 480, 90, 530, 130, 536);
    flank.cubicTo(170, 530, 196, 480, 196, 420);
    p.setPen(QPen(col(pal.accent, 200), 1.6));
    p.drawPath(flank);
    p.restore();
}

}  // namespace

QPainterPath mouseOutline() { return shellPath(); }

QRectF mouseBounds() { return shellPath().boundingRect(); }

void drawMouse(QPainter& p, const Palette& pal) {
    drawShell(p, pal);
    drawSideButtons(p, pal);
    drawMainButtons(p, pal);
    drawLighting(p, pal);
}

void drawButtonCallouts(QPainter& p, const Palette& pal) {
    QFont f("DejaVu Sans");
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    for (int i = 0; i < layout::kButtonBoxCount; ++i) {
        const auto& c = layout::kButtonCallouts[i];
        const QPointF badge(c.badge.x, c.badge.y), target(c.target.x, c.target.y);
        p.setPen(QPen(col(pal.accent, 170), 1));
        p.drawLine(badge, target);
        p.setPen(Qt::NoPen);
        p.setBrush(col(pal.accentBright));
        p.drawEllipse(target, 2.2, 2.2);
        glow(p, badge, layout::kBadgeRadius + 5, col(pal.accent, 80));
        p.setBrush(col(pal.accent));
        p.setPen(QPen(col(pal.accentBright), 1));
        p.drawEllipse(badge, layout::kBadgeRadius, layout::kBadgeRadius);
        p.setPen(col(pal.badgeText));
        const qreal r = layout::kBadgeRadius;
        p.drawText(QRectF(badge.x() - r, badge.y() - r, 2 * r, 2 * r), Qt::AlignCenter, QString::number(i + 1));
    }
}

}  // namespace skingen
