// Drawing helpers shared by every image family: canvases, gradients, panels, wells and glows.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRectF>

#include "Palette.h"
#include "ui/SkinLayout.h"

namespace skingen {

namespace layout = tarvik::layout;

QImage transparentCanvas(layout::Size size);
QRectF rectF(const layout::Rect& r);
// A rectangle grown (positive) or shrunk (negative) by d on every side.
QRectF grown(const QRectF& r, qreal d);

void begin(QPainter& p);  // antialiasing and smooth transforms
void fillVertical(QPainter& p, const QRectF& r, const QColor& top, const QColor& bottom, qreal radius = 0);
void strokeRounded(QPainter& p, const QRectF& r, const QColor& c, qreal radius, qreal width = 1);
void glow(QPainter& p, const QPointF& centre, qreal radius, const QColor& c);
// A horizontal accent hairline that fades out at both ends.
void fadeLine(QPainter& p, qreal x1, qreal x2, qreal y, const QColor& c, qreal width = 1);

// Window body: gradient plus a faint procedural texture (deterministic, so builds reproduce).
void windowBody(QPainter& p, const QRectF& r, const Palette& pal);
// A group panel; with a caption strip of the given height the program writes the caption into it.
void groupPanel(QPainter& p, const layout::Rect& r, const Palette& pal, int captionHeight = 0);
// A recessed frame one pixel outside a real control, filled with the control's own background.
void well(QPainter& p, const layout::Rect& control, const QColor& fill, const Palette& pal);
// A well with a drop-down arrow cell at its right end (boxes that open a list).
void chooserWell(QPainter& p, const layout::Rect& box, int arrowWidth, const QColor& fill, const Palette& pal);
void chevronDown(QPainter& p, const QPointF& centre, qreal halfWidth, const QColor& c, qreal width = 1.6);
// The program name beside a small logo mark, vertically centred in a title bar of the given height.
void titleMark(QPainter& p, qreal x, qreal barHeight, qreal pixelSize, const Palette& pal);

}  // namespace skingen
