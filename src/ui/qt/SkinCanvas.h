// The off-screen canvas every skinned window draws on (`CMemDC`), the shared skin state and
// DrawSkinImage: windows draw here and their paint handler copies the canvas to the screen.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <filesystem>
#include <functional>
#include <string_view>

#include "ui/ClientRect.h"
#include "ui/Fonts.h"
#include "ui/qt/QtConvert.h"
#include "ui/qt/SkinImage.h"

class QWidget;

namespace tarvik::ui {

// Skin folder, text color and fonts shared by every skinned window.
struct SkinState {
    std::filesystem::path folder;
    QColor textColor{0, 255, 0};
    QFont textFont;
    QFont titleFont;
    SkinImageCache cache;
};

// A drawing scope on a window's canvas. Drawing happens off-screen; when the scope ends the
// window is asked to copy the whole canvas to the screen in one step, so nothing flickers.
class CMemDC {
public:
    // `copies`, when given, counts the copies this window asked for.
    CMemDC(QImage& canvas, QWidget* target, int* copies = nullptr);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;
    QPainter& painter() { return painter_; }
    // Limits the copy to the part that changed (a hover change redraws one or two buttons);
    // the screen ends up the same as after a whole copy, at a fraction of the cost.
    void limitCopyTo(const QRect& changed) { copyRect_ = changed; }

private:
    QPainter painter_;
    QWidget* target_;
    int* copies_;
    QRect copyRect_;  // empty: the whole canvas
};

// Draws skin image `name` ("/main.png") of the skin folder at (x, y), alpha-blended. False,
// drawing nothing, when the image cannot be loaded.
bool DrawSkinImage(QPainter& painter, SkinState& skin, std::string_view name, int x, int y);

// The Qt font of a language's font choice (face, pixel height, weight).
QFont toQFont(const FontSpec& choice);
// A button caption: one line, centred in the rectangle.
void drawCaption(QPainter& painter, const ClientRect& rect, const QString& text, const QFont& font,
                 const QColor& color);
// `font`, made smaller (down to `smallest` pixels) until `text` drawn with `flags` fits `rect`:
// English texts are wider than the art's boxes planned for Chinese ones.
QFont fittedFont(QFont font, const QRect& rect, const QString& text, int flags, int smallest = 9);
// A longer label: word-wrapped and centred vertically in its rectangle, its font made smaller
// until it stays inside.
void drawLabel(QPainter& painter, const ClientRect& rect, const QString& text, const QFont& font, const QColor& color);

}  // namespace tarvik::ui
