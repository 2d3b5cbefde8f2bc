// Skin images: PNG decoding, premultiplication with truncation, and a cache that notices when
// a file on disk changes.
#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <future>
#include <string>
#include <unordered_map>
#include <vector>

namespace tarvik::ui {

// Premultiplies every color byte as c * alpha / 255, truncating, and returns the image in
// Qt's premultiplied format. (Qt's own conversion rounds; the skins expect truncation.)
// An image without alpha is returned opaque and unchanged.
QImage premultiplyTruncating(const QImage& image);

// Decodes a PNG file into a drawable image; a null image when it cannot be read.
QImage decodeSkinImage(const std::filesystem::path& file);

// Decoded images by path. An entry is used only while the file's size and modification time
// are those it was decoded from, so a skin edited on disk shows at the next draw.
class SkinImageCache {
public:
    ~SkinImageCache();
    // The image of `file`, or nullptr when it cannot be read.
    const QImage* get(const std::filesystem::path& file);
    // Starts decoding `files` on another thread; the next get() takes the results over (and
    // still checks each file's stamps). Start-up uses it to decode the big page images while
    // the mouse's handshake waits.
    void prefetch(std::vector<std::filesystem::path> files);
    void clear();
    std::size_t decodes() const { return decodes_; }

    struct Entry {
        std::int64_t mtimeNs = 0;
        std::int64_t size = 0;
        QImage image;
    };

private:
    void adoptPrefetched();

    std::unordered_map<std::string, Entry> entries_;
    std::future<std::vector<std::pair<std::string, Entry>>> prefetched_;
    std::size_t decodes_ = 0;
};

}  // namespace tarvik::ui
