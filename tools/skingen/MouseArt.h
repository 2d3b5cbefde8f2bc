// The mouse drawing, in Basic page coordinates; the icon reuses it under a scaling transform.
#pragma once

#include <QPainter>
#include <QPainterPath>
#include <QRectF>

#include "Palette.h"

namespace skingen {

// The outline of the shell and its bounding box, in page coordinates.
QPainterPath mouseOutline();
QRectF mouseBounds();
// The shell, its seven buttons and the accent lighting.
void drawMouse(QPainter& p, const Palette& pal);
// Numbered badges "1".."7" with leader lines to the buttons they name.
void drawButtonCallouts(QPainter& p, const Palette& pal);

}  // namespace skingen
