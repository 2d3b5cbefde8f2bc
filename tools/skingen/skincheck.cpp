// tarvik_skincheck: fails unless every skin folder given holds every skin image, readable and at its laid-out size.
// Usage: tarvik_skincheck <skin folder or icon .png>...
#include <QImage>
#include <QString>
#include <cstdio>

#include "SkinImages.h"

namespace {

bool anyVisiblePixel(const QImage& img) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (qAlpha(img.pixel(x, y)) != 0) return true;
    return false;
}

bool checkImage(const QString& path, tarvik::layout::Size size) {
    const QImage img(path);
    if (img.isNull()) {
        std::fprintf(stderr, "%s: missing or unreadable\n", qPrintable(path));
        return false;
    }
    if (img.width() != size.width || img.height() != size.height) {
        std::fprintf(stderr, "%s: %dx%d, want %dx%d\n", qPrintable(path), img.width(), img.height(), size.width,
                     size.height);
        return false;
    }
    // A fully transparent image means its drawer painted nothing.
    if (img.hasAlphaChannel() && !anyVisiblePixel(img)) {
        std::fprintf(stderr, "%s: fully transparent\n", qPrintable(path));
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <skin folder>...\n", argv[0]);
        return 2;
    }
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const QString folder = QString::fromLocal8Bit(argv[i]);
        const bool icon = folder.endsWith(".png");
        if (icon) {
            ok = checkImage(folder, skingen::kIconSize) && ok;
            continue;
        }
        for (const auto& img : skingen::kSkinImages) ok = checkImage(folder + "/" + img.file, img.size) && ok;
    }
    return ok ? 0 : 1;
}
