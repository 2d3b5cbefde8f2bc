// The mouse drawing, in Basic page coordinates; the icon reuses it under a scaling transform.
#pragma once

#include <QPainter>
#include <QRectF>

#include "Palette.h"

namespace skingen {

// Bounding box of the shell in page coordinates.
QRectF mouseBounds();
// The shell, its seven buttons and the accent lighting.
void drawMouse(QPainter& p, const Palette& pal);
// Numbered badges "1".."7" with leader lines to the buttons they name.
void drawButtonCallouts(QPainter& p, const Palette& pal);

}  // namespace skingen
