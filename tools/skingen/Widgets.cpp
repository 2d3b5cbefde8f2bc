// Small images with alpha: text and frame buttons, page tabs, drop-down header, tick box, slider segments.
#include <QPainterPath>
#include <cmath>
#include <numbers>

#include "Art.h"
#include "Paint.h"

namespace skingen {
namespace {

// Bevelled rounded face used by every button-like image.
void buttonFace(QPainter& p, const QRectF& r, qreal radius, const Palette& pal, State s) {
    const bool over = s == State::Over;
    if (over) {
        fillVertical(p, r, col(pal.buttonOverTop), col(pal.buttonOverBottom), radius);
        // Inner accent glow rising from the bottom edge.
        QLinearGradient g(r.bottomLeft(), r.topLeft());
        g.setColorAt(0, col(pal.accent, 110));
        g.setColorAt(0.6, col(pal.accent, 0));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(r, radius, radius);
        strokeRounded(p, r, col(pal.accent), radius);
    } else {
        fillVertical(p, r, col(pal.buttonTop), col(pal.buttonBottom), radius);
        strokeRounded(p, r, col(pal.buttonEdge), radius);
    }
    fadeLine(p, r.left() + radius, r.right() - radius, r.top() + 1, col(pal.panelHighlight, over ? 160 : 110));
}

QRectF whole(const QImage& img) { return QRectF(0, 0, img.width(), img.height()); }

void drawCloseGlyph(QPainter& p, const QPointF& c, const QColor& color) {
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-3.5, -3.5), c + QPointF(3.5, 3.5));
    p.drawLine(c + QPointF(3.5, -3.5), c + QPointF(-3.5, 3.5));
}

void drawHideGlyph(QPainter& p, const QPointF& c, const QColor& color) {
    p.setPen(QPen(color, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-4, 3), c + QPointF(4, 3));
}

void drawSkinsGlyph(QPainter& p, const QPointF& c, const QColor& color, const Palette& pal) {
    // A palette: ring with three paint dots.
    p.setPen(QPen(color, 1.4));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 5, 5);
    p.setPen(Qt::NoPen);
    const QColor dots[] = {col(pal.accentBright), col(pal.danger), color};
    const QPointF offs[] = {{-2, -2}, {2.2, -1.2}, {0, 2.4}};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(dots[i]);
        p.drawEllipse(c + offs[i], 1.3, 1.3);
    }
}

void drawMouseGlyph(QPainter& p, const QPointF& c, const QColor& color) {
    const QRectF body(c.x() - 7, c.y() - 10, 14, 20);
    p.setPen(QPen(color, 1.8));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body, 7, 7);
    p.drawLine(QPointF(c.x(), body.top()), QPointF(c.x(), c.y() - 3));
    p.drawLine(QPointF(body.left(), c.y() - 3), QPointF(body.right(), c.y() - 3));
}

void drawGearGlyph(QPainter& p, const QPointF& c, const QColor& color) {
    QPainterPath gear;
    const int teeth = 8;
    for (int i = 0; i < teeth * 2; ++i) {
        // Alternate outer and inner radius, with flat tooth tops.
        const qreal r = (i % 2 == 0) ? 11 : 8.2;
        for (int j = 0; j < 2; ++j) {
            const qreal a = (i + j * 0.9 + 0.05) * std::numbers::pi / teeth;
            const QPointF pt = c + QPointF(r * std::cos(a), r * std::sin(a));
            if (i == 0 && j == 0) gear.moveTo(pt);
            else gear.lineTo(pt);
        }
    }
    gear.closeSubpath();
    gear.addEllipse(c, 3.6, 3.6);
    p.setPen(QPen(color, 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(gear);
}

}  // namespace

QImage textButton(const Palette& pal, State s) {
    QImage img = transparentCanvas(layout::kTextButton);
    QPainter p(&img);
    begin(p);
    buttonFace(p, whole(img), 4, pal, s);
    return img;
}

QImage frameButton(const Palette& pal, FrameGlyph g, State s) {
    QImage img = transparentCanvas(layout::kFrameButton);
    QPainter p(&img);
    begin(p);
    const QRectF r = whole(img);
    const bool over = s == State::Over;
    const QPointF c = r.center();
    if (over) {
        const QColor fill = g == FrameGlyph::Close ? col(pal.danger) : col(pal.accent);
        glow(p, c, 9, QColor(fill.red(), fill.green(), fill.blue(), 120));
        p.setPen(Qt::NoPen);
        p.setBrush(fill);
        p.drawEllipse(c, 7.5, 7.5);
    } else {
        p.setPen(QPen(col(pal.buttonEdge), 1));
        p.setBrush(col(pal.buttonBottom));
        p.drawEllipse(c, 8, 8);
    }
    const QColor ink = over ? col(pal.badgeText) : col(pal.glyph);
    switch (g) {
    case FrameGlyph::Close: drawCloseGlyph(p, c, ink); break;
    case FrameGlyph::Hide: drawHideGlyph(p, c, ink); break;
    case FrameGlyph::Skins: drawSkinsGlyph(p, c, ink, pal); break;
    }
    return img;
}

QImage pageButton(const Palette& pal, PageGlyph g, State s) {
    QImage img = transparentCanvas(layout::kPageButton);
    QPainter p(&img);
    begin(p);
    const QRectF r = grown(whole(img), -1);
    buttonFace(p, r, 8, pal, s);
    const QColor ink = s == State::Over ? col(pal.glyphOver) : col(pal.glyph);
    if (s == State::Over) glow(p, r.center(), 16, col(pal.accent, 70));
    if (g == PageGlyph::Basic) drawMouseGlyph(p, r.center(), ink);
    else drawGearGlyph(p, r.center(), ink);
    return img;
}

QImage dropdownBox(const Palette& pal, State s) {
    QImage img = transparentCanvas(layout::kDropdownBox);
    QPainter p(&img);
    begin(p);
    const QRectF r = whole(img);
    const bool over = s == State::Over;
    fillVertical(p, r, col(pal.buttonBottom), col(pal.panelBottom), 3);
    if (over) fillVertical(p, r, col(pal.accent, 50), col(pal.accent, 10), 3);
    // Number cell (the program writes "1".."7" in the first 20 px) and the arrow cell at the right.
    fillVertical(p, QRectF(0, 0, 20, r.height()), col(pal.accent, over ? 90 : 45), col(pal.accent, over ? 40 : 15), 3);
    p.setPen(QPen(col(over ? pal.accent : pal.buttonEdge), 1));
    p.drawLine(QPointF(20.5, 3), QPointF(20.5, r.height() - 3));
    const QRectF arrow(r.right() - 20, 0, 20, r.height());
    p.drawLine(QPointF(arrow.left() + 0.5, 3), QPointF(arrow.left() + 0.5, r.height() - 3));
    chevronDown(p, arrow.center() + QPointF(0, 0.5), 4, col(over ? pal.glyphOver : pal.glyph));
    strokeRounded(p, r, col(over ? pal.accent : pal.buttonEdge), 3);
    return img;
}

QImage tickBox(const Palette& pal, bool ticked) {
    QImage img = transparentCanvas(layout::kTickBox);
    QPainter p(&img);
    begin(p);
    const QRectF r = grown(QRectF(0, 0, img.width(), img.height()), -1);
    if (ticked) {
        glow(p, r.center(), 8, col(pal.accent, 90));
        fillVertical(p, r, col(pal.accentBright), col(pal.accent), 3);
        strokeRounded(p, r, col(pal.accentDeep), 3);
        QPainterPath tick;
        tick.moveTo(r.left() + 3, r.center().y() + 0.5);
        tick.lineTo(r.left() + 6, r.bottom() - 3.5);
        tick.lineTo(r.right() - 3, r.top() + 3.5);
        p.setPen(QPen(col(pal.badgeText), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tick);
    } else {
        fillVertical(p, r, col(pal.segmentDark), col(pal.buttonBottom), 3);
        strokeRounded(p, r, col(pal.segmentDarkEdge), 3);
    }
    return img;
}

QImage sliderSegment(const Palette& pal, SliderKind k, bool lit) {
    const layout::Size size = k == SliderKind::Pointer ? layout::kSliderSegment
                              : k == SliderKind::Dpi   ? layout::kDpiTick
                                                       : layout::kReportRateStop;
    QImage img = transparentCanvas(size);
    QPainter p(&img);
    begin(p);
    // Inset so the glow of a lit segment has room inside the image.
    const qreal inset = k == SliderKind::ReportRate ? 1 : 2;
    const QRectF r = grown(QRectF(0, 0, size.width, size.height), -inset);
    const qreal radius = r.height() / 2;
    if (lit) {
        p.setPen(Qt::NoPen);
        p.setBrush(col(pal.accent, 60));
        p.drawRoundedRect(grown(r, inset), radius + inset, radius + inset);
        fillVertical(p, r, col(pal.accentBright), col(pal.accent), radius);
        fadeLine(p, r.left() + radius, r.right() - radius, r.top() + 1.5, QColor(255, 255, 255, 150));
        strokeRounded(p, r, col(pal.accentDeep, 160), radius);
    } else {
        fillVertical(p, r, col(pal.segmentDark), col(pal.buttonBottom), radius);
        strokeRounded(p, r, col(pal.segmentDarkEdge), radius);
    }
    return img;
}

}  // namespace skingen
