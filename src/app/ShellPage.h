// What a page adds to the main window's page image: its drawing, its controls, its clicks and
// its hover states. The Basic and Advanced pages plug in here.
#pragma once

#include <QPainter>
#include <QRect>
#include <QString>

#include "ui/qt/SkinCanvas.h"

namespace tarvik {

class ShellPage {
public:
    virtual ~ShellPage() = default;
    virtual void build(QPainter& painter, ui::SkinState& skin) = 0;
    virtual void destroyControls() = 0;
    // A click outside the window's own regions; true when the page took it.
    virtual bool click(int x, int y) = 0;
    // Whether the pointer at (x, y) changes a hover state of the page ((-1, -1): it left).
    virtual bool hoverChanges(int /*x*/, int /*y*/) const { return false; }
    // Draws the hover states for the pointer at (x, y); returns the area redrawn.
    virtual QRect hover(int /*x*/, int /*y*/, QPainter& /*painter*/, ui::SkinState& /*skin*/) { return {}; }
    // The tip for the pointer resting at (x, y); empty for none.
    virtual QString toolTipAt(int /*x*/, int /*y*/) const { return {}; }
};

}  // namespace tarvik
