// Decoding and premultiplying skin images, with a file-checked cache.
#include "ui/qt/SkinImage.h"

#include <QString>

#include <sys/stat.h>

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
    return QImage(out.constBits(), out.width(), out.height(), out.bytesPerLine(), QImage::Format_ARGB32_Premultiplied)
        .copy();
}

QImage decodeSkinImage(const std::filesystem::path& file) {
    QImage decoded(QString::fromStdString(file.string()));
    return premultiplyTruncating(decoded);
}

namespace {

// The file's modification time and size; false when it cannot be read.
bool stampOf(const std::filesystem::path& file, std::int64_t& mtimeNs, std::int64_t& size) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) return false;
    mtimeNs = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec;
    size = info.st_size;
    return true;
}

}  // namespace

SkinImageCache::~SkinImageCache() {
    if (prefetched_.valid()) prefetched_.wait();
}

void SkinImageCache::prefetch(std::vector<std::filesystem::path> files) {
    adoptPrefetched();
    prefetched_ = std::async(std::launch::async, [files = std::move(files)] {
        std::vector<std::pair<std::string, Entry>> decoded;
        for (const auto& file : files) {
            Entry entry;
            // Stamped before decoding: a file replaced meanwhile fails the check in get().
            if (stampOf(file, entry.mtimeNs, entry.size)) {
                entry.image = decodeSkinImage(file);
                decoded.emplace_back(file.string(), std::move(entry));
            }
        }
        return decoded;
    });
}

void SkinImageCache::adoptPrefetched() {
    if (!prefetched_.valid()) return;
    for (auto& [name, entry] : prefetched_.get()) {
        ++decodes_;
        entries_.try_emplace(name, std::move(entry));
    }
}

void SkinImageCache::clear() {
    adoptPrefetched();
    entries_.clear();
}

const QImage* SkinImageCache::get(const std::filesystem::path& file) {
    adoptPrefetched();
    // One stat per draw: the check must stay far cheaper than the decode it saves.
    std::int64_t mtimeNs = 0, size = 0;
    if (!stampOf(file, mtimeNs, size)) return nullptr;
    Entry& entry = entries_[file.string()];
    if (entry.image.isNull() || entry.mtimeNs != mtimeNs || entry.size != size) {
        entry = {mtimeNs, size, decodeSkinImage(file)};
        ++decodes_;
    }
    return entry.image.isNull() ? nullptr : &entry.image;
}

}  // namespace tarvik::ui
