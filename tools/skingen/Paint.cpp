// Drawing helpers shared by every image family.
#include "Paint.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <random>

namespace skingen {

QImage transparentCanvas(layout::Size size) {
    QImage img(size.width, size.height, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

QRectF rectF(const layout::Rect& r) { return QRectF(r.left, r.top, r.width(), r.height()); }

QRectF grown(const QRectF& r, qreal d) { return r.adjusted(-d, -d, d, d); }

void begin(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::TextAntialiasing);
}

void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    if (radius > 0) p.drawRoundedRect(r, radius, radius);
    else p.drawRect(r);
}

void strokeRounded(QPainter& p, const QRectF& r, const QColor& c, qreal radius, qreal width) {
    p.setPen(QPen(c, width));
    p.setBrush(Qt::NoBrush);
    // Half-pixel inset keeps one-pixel strokes crisp on pixel boundaries.
    const qreal h = width / 2;
    p.drawRoundedRect(r.adjusted(h, h, -h, -h), radius, radius);
}

void glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& c) {
    QRadialGradient g(centre, radius);
    g.setColorAt(0, c);
    QColor mid = c;
    mid.setAlphaF(c.alphaF() * 0.35);
    g.setColorAt(0.45, mid);
    g.setColorAt(1, QColor(c.red(), c.green(), c.blue(), 0));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void fadeLine(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& c, qreal width) {
    QLinearGradient g(x1, y, x2, y);
    QColor clear = c;
    clear.setAlpha(0);
    g.setColorAt(0, clear);
    g.setColorAt(0.5, c);
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(QRectF(x1, y, x2 - x1, width));
}

void windowBody(QPainter& p, const QRectF& r, const Palette& pal) {
    fillVertical(p, r, col(pal.bgTop), col(pal.bgBottom));
    // A fine diagonal weave: short strokes on a 4 px lattice, every other one skipped at random.
    std::mt19937 rng(7);
    p.setPen(QPen(col(pal.grain), 1));
    for (int y = int(r.top()); y < r.bottom(); y += 4)
        for (int x = int(r.left()) + ((y / 4) % 2) * 2; x < r.right(); x += 4)
            if (rng() % 3 != 0) p.drawLine(QPointF(x, y + 0.5), QPointF(x + 2, y + 0.5));
}

void groupPanel(QPainter& p, const layout::Rect& lr, const Palette& pal, int captionHeight) {
    const QRectF r = rectF(lr);
    const qreal radius = 6;
    // Soft drop shadow below the panel.
    fillVertical(p, r.translated(0, 2), QColor(0, 0, 0, 0), QColor(0, 0, 0, 40), radius);
    fillVertical(p, r, col(pal.panelTop), col(pal.panelBottom), radius);
    if (captionHeight > 0) {
        QPainterPath clip;
        clip.addRoundedRect(r, radius, radius);
        p.save();
        p.setClipPath(clip);
        fillVertical(p, QRectF(r.left(), r.top(), r.width(), captionHeight), col(pal.headerFill), col(pal.panelTop));
        // Accent tab at the caption's left and a glowing hairline under the caption strip.
        fillVertical(p, QRectF(r.left() + 6, r.top() + 6, 3, captionHeight - 12), col(pal.accentBright),
                     col(pal.accent), 1.5);
        fadeLine(p, r.left(), r.right(), r.top() + captionHeight, col(pal.accent, 150));
        p.restore();
    }
    strokeRounded(p, r, col(pal.panelEdge), radius);
    // Bevel: a bright hairline along the top edge.
    fadeLine(p, r.left() + 4, r.right() - 4, r.top() + 1, col(pal.panelHighlight, 120));
}

void well(QPainter& p, const layout::Rect& control, const QColor& fill, const Palette& pal) {
    const QRectF r = grown(rectF(control), 1);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRect(r);
    // Darker top-left, lighter bottom-right: reads as sunk into the panel.
    p.setPen(QPen(col(pal.wellEdge), 1));
    p.drawLine(QPointF(r.left() + 0.5, r.bottom() - 0.5), QPointF(r.left() + 0.5, r.top() + 0.5));
    p.drawLine(QPointF(r.left() + 0.5, r.top() + 0.5), QPointF(r.right() - 0.5, r.top() + 0.5));
    p.setPen(QPen(col(pal.panelHighlight, 90), 1));
    p.drawLine(QPointF(r.left() + 1, r.bottom() + 0.5), QPointF(r.right() + 0.5, r.bottom() + 0.5));
    p.drawLine(QPointF(r.right() + 0.5, r.top() + 1), QPointF(r.right() + 0.5, r.bottom() + 0.5));
}

void chooserWell(QPainter& p, const layout::Rect& box, int arrowWidth, const QColor& fill, const Palette& pal) {
    well(p, box, fill, pal);
    const QRectF cell(box.right - arrowWidth, box.top, arrowWidth, box.height());
    fillVertical(p, cell, col(pal.buttonTop), col(pal.buttonBottom));
    p.setPen(QPen(col(pal.wellEdge), 1));
    p.drawLine(QPointF(cell.left() + 0.5, cell.top()), QPointF(cell.left() + 0.5, cell.bottom()));
    chevronDown(p, cell.center(), 3.5, col(pal.accent));
}

void chevronDown(QPainter& p, const QPointF& c, qreal hw, const QColor& color, qreal width) {
    QPainterPath path;
    path.moveTo(c.x() - hw, c.y() - hw / 2);
    path.lineTo(c.x(), c.y() + hw / 2);
    path.lineTo(c.x() + hw, c.y() - hw / 2);
    p.setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
}

void titleMark(QPainter& p, qreal x, qreal barHeight, qreal pixelSize, const Palette& pal) {
    // Logo: a small mouse silhouette in a ring, glowing in the accent color.
    const QPointF centre(x + pixelSize * 0.55, barHeight / 2);
    const qreal r = pixelSize * 0.55;
    glow(p, centre, r * 2, col(pal.accent, 70));
    p.setPen(QPen(col(pal.accent), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, r, r);
    p.setPen(Qt::NoPen);
    p.setBrush(col(pal.accentBright));
    p.drawRoundedRect(QRectF(centre.x() - r * 0.35, centre.y() - r * 0.55, r * 0.7, r * 1.1), r * 0.35, r * 0.35);
    p.setPen(QPen(col(pal.accentDeep), 1));
    p.drawLine(QPointF(centre.x(), centre.y() - r * 0.55), QPointF(centre.x(), centre.y() - r * 0.1));

    QFont f("DejaVu Sans");
    f.setPixelSize(int(pixelSize));
    f.setBold(true);
    f.setLetterSpacing(QFont::AbsoluteSpacing, pixelSize * 0.12);
    p.setFont(f);
    p.setPen(col(pal.titleText));
    const QRectF text(x + pixelSize * 1.5, 0, 400, barHeight);
    p.drawText(text, Qt::AlignLeft | Qt::AlignVCenter, "Tarvik");
}

}  // namespace skingen
