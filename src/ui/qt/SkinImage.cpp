// Decoding and premultiplying skin images, with a file-checked cache.
#include "ui/qt/SkinImage.h"

#include <QString>

namespace tarvik::ui {

QImage premultiplyTruncating(const QImage& image) {
    if (image.isNull() || !image.hasAlphaChannel()) return image.convertToFormat(QImage::Format_RGB32);
    QImage out = image.convertToFormat(QImage::Format_ARGB32);  // straight alpha, exact
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const unsigned a = qAlpha(row[x]);
            row[x] = qRgba(static_cast<int>(qRed(row[x]) * a / 255), static_cast<int>(qGreen(row[x]) * a / 255),
                           static_cast<int>(qBlue(row[x]) * a / 255), static_cast<int>(a));
        }
    }
    // Same bytes, now read as premultiplied: reinterpret without converting again.
    return QImage(out.constBits(), out.width(), out.height(), out.bytesPerLine(),
                  QImage::Format_ARGB32_Premultiplied)
        .copy();
}

QImage decodeSkinImage(const std::filesystem::path& file) {
    QImage decoded(QString::fromStdString(file.string()));
    return premultiplyTruncating(decoded);
}

const QImage* SkinImageCache::get(const std::filesystem::path& file) {
    std::error_code ec;
    const auto mtime = std::filesystem::last_write_time(file, ec);
    if (ec) return nullptr;
    const auto size = std::filesystem::file_size(file, ec);
    if (ec) return nullptr;
    Entry& entry = entries_[file.string()];
    if (entry.image.isNull() || entry.mtime != mtime || entry.size != size) {
        entry = {mtime, size, decodeSkinImage(file)};
        ++decodes_;
    }
    return entry.image.isNull() ? nullptr : &entry.image;
}

}  // namespace tarvik::ui
