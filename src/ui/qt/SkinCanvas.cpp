// Off-screen canvas scope, skin image drawing and caption text.
#include "ui/qt/SkinCanvas.h"

#include <QFontMetrics>

#include <QWidget>

namespace tarvik::ui {

CMemDC::CMemDC(QImage& canvas, QWidget* target, int* copies) : painter_(&canvas), target_(target), copies_(copies) {}

CMemDC::~CMemDC() {
    painter_.end();
    if (copies_) ++*copies_;
    if (!target_) return;
    if (copyRect_.isEmpty()) target_->update();
    else target_->update(copyRect_);
}

bool DrawSkinImage(QPainter& painter, SkinState& skin, std::string_view name, int x, int y) {
    std::filesystem::path file = skin.folder;
    file += std::filesystem::path(std::string(name));  // names start with "/"
    const QImage* image = skin.cache.get(file);
    if (!image) return false;
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawImage(x, y, *image);
    return true;
}

QFont toQFont(const FontSpec& choice) {
    QFont font(toQString(choice.face));
    font.setStyleHint(QFont::SansSerif);  // the Windows faces are missing on most Linux desktops
    font.setPixelSize(choice.height);
    font.setWeight(choice.weight >= 700 ? QFont::Bold : QFont::Normal);
    return font;
}

void drawCaption(QPainter& painter, const ClientRect& rect, const QString& text, const QFont& font,
                 const QColor& color) {
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(toQRect(rect), Qt::AlignCenter | Qt::TextSingleLine, text);
}

QFont fittedFont(QFont font, const QRect& rect, const QString& text, int flags, int smallest) {
    const auto fits = [&] {
        const QRect needed = QFontMetrics(font).boundingRect(rect, flags, text);
        return needed.width() <= rect.width() && needed.height() <= rect.height();
    };
    while (font.pixelSize() > smallest && !fits()) font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void drawLabel(QPainter& painter, const ClientRect& rect, const QString& text, const QFont& font, const QColor& color) {
    const int flags = Qt::AlignCenter | Qt::TextWordWrap;
    painter.setFont(fittedFont(font, toQRect(rect), text, flags));
    painter.setPen(color);
    painter.drawText(toQRect(rect), flags, text);
}

}  // namespace tarvik::ui
