// The application icon: the mouse drawing on a rounded tile, lit by an accent glow.
#include "Art.h"
#include "MouseArt.h"
#include "Paint.h"
#include "SkinImages.h"

namespace skingen {

QImage applicationIcon(const Palette& pal) {
    QImage img = transparentCanvas(kIconSize);
    QPainter p(&img);
    begin(p);
    const QRectF tile(8, 8, kIconSize.width - 16, kIconSize.height - 16);
    fillVertical(p, tile, col(pal.titleTop), col(pal.bgBottom), 48);
    strokeRounded(p, tile, col(pal.accent, 200), 48, 3);
    glow(p, tile.center(), 112, col(pal.accent, 170));
    // Fit the shell into the tile, a little above centre so its shadow stays inside.
    const QRectF m = mouseBounds();
    const qreal scale = (tile.height() - 40) / m.height();
    p.translate(tile.center() - QPointF(0, 4));
    p.scale(scale, scale);
    p.translate(-m.center());
    drawMouse(p, pal);
    // An accent rim keeps the silhouette readable at tray sizes.
    p.setPen(QPen(col(pal.accentBright), 5));
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouseOutline());
    return img;
}

}  // namespace skingen
