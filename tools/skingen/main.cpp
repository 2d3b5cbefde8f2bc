// tarvik_skingen: draws every image of both skins, and the application icon, at build time.
// Usage: tarvik_skingen <skins folder> <icons folder>
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>

#include "Art.h"
#include "SkinImages.h"

namespace skingen {
namespace {

using Drawer = QImage (*)(const Palette&);

struct DrawRow {
    const char* file;
    Drawer draw;
};

// clang-format off
constexpr DrawRow kDrawers[] = {
    {"main.png", [](const Palette& p) { return mainWindow(p, Page::None); }},
    {"BasicSet2.png", [](const Palette& p) { return mainWindow(p, Page::Basic); }},
    {"AdvancedSet2.png", [](const Palette& p) { return mainWindow(p, Page::Advanced); }},
    {"button-normal.png", [](const Palette& p) { return textButton(p, State::Normal); }},
    {"button-over.png", [](const Palette& p) { return textButton(p, State::Over); }},
    {"button-close-normal.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Close, State::Normal); }},
    {"button-close-over.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Close, State::Over); }},
    {"button-min-normal.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Hide, State::Normal); }},
    {"button-min-over.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Hide, State::Over); }},
    {"button-Skins-normal.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Skins, State::Normal); }},
    {"button-Skins-over.png", [](const Palette& p) { return frameButton(p, FrameGlyph::Skins, State::Over); }},
    {"button-PrePage-normal.png", [](const Palette& p) { return pageButton(p, PageGlyph::Basic, State::Normal); }},
    {"button-PrePage-over.png", [](const Palette& p) { return pageButton(p, PageGlyph::Basic, State::Over); }},
    {"button-NextPage-normal.png", [](const Palette& p) { return pageButton(p, PageGlyph::Advanced, State::Normal); }},
    {"button-NextPage-over.png", [](const Palette& p) { return pageButton(p, PageGlyph::Advanced, State::Over); }},
    {"DropdownBox-normal.png", [](const Palette& p) { return dropdownBox(p, State::Normal); }},
    {"DropdownBox-over.png", [](const Palette& p) { return dropdownBox(p, State::Over); }},
    {"Pane.png", [](const Palette& p) { return tickBox(p, false); }},
    {"PaneMakingTick.png", [](const Palette& p) { return tickBox(p, true); }},
    {"slider-light.png", [](const Palette& p) { return sliderSegment(p, SliderKind::Pointer, true); }},
    {"slider-dark.png", [](const Palette& p) { return sliderSegment(p, SliderKind::Pointer, false); }},
    {"slider-DPI-light.png", [](const Palette& p) { return sliderSegment(p, SliderKind::Dpi, true); }},
    {"slider-DPI-dark.png", [](const Palette& p) { return sliderSegment(p, SliderKind::Dpi, false); }},
    {"slider-RP-light.png", [](const Palette& p) { return sliderSegment(p, SliderKind::ReportRate, true); }},
    {"slider-RP-dark.png", [](const Palette& p) { return sliderSegment(p, SliderKind::ReportRate, false); }},
    {"combo-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::ComboKey); }},
    {"delay-time.png", [](const Palette& p) { return dialogBackground(p, DialogKind::DelayTime); }},
    {"fire-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::FireKey); }},
    {"macro-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::MacroKey); }},
    {"media-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::MediaKey); }},
    {"single-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::SingleKey); }},
    {"skins.png", [](const Palette& p) { return dialogBackground(p, DialogKind::Skins); }},
    {"windows-key.png", [](const Palette& p) { return dialogBackground(p, DialogKind::WindowsKey); }},
};
// clang-format on

static_assert(std::size(kDrawers) == kSkinImages.size(), "every skin image needs exactly one drawer");

const SkinImage* expected(const char* file) {
    for (const auto& img : kSkinImages)
        if (std::strcmp(img.file, file) == 0) return &img;
    return nullptr;
}

bool save(const QImage& img, const QString& path, tarvik::layout::Size size) {
    if (img.width() != size.width || img.height() != size.height) {
        std::fprintf(stderr, "%s: drawn %dx%d, laid out for %dx%d\n", qPrintable(path), img.width(), img.height(),
                     size.width, size.height);
        return false;
    }
    if (!img.save(path, "PNG")) {
        std::fprintf(stderr, "%s: cannot write\n", qPrintable(path));
        return false;
    }
    return true;
}

bool drawSkin(const Palette& pal, const QDir& skinsDir) {
    const QString folder = skinsDir.filePath(pal.name);
    if (!QDir().mkpath(folder)) return false;
    bool ok = true;
    for (const auto& row : kDrawers) {
        const SkinImage* want = expected(row.file);
        if (!want) {
            std::fprintf(stderr, "%s: not a skin image\n", row.file);
            return false;
        }
        ok = save(row.draw(pal), QDir(folder).filePath(row.file), want->size) && ok;
    }
    return ok;
}

}  // namespace
}  // namespace skingen

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <skins folder> <icons folder>\n", argv[0]);
        return 2;
    }
    QGuiApplication app(argc, argv);  // fonts need a GUI application, even offscreen
    const QDir skinsDir(QString::fromLocal8Bit(argv[1]));
    bool ok = true;
    for (const auto& pal : skingen::kSkins) ok = skingen::drawSkin(pal, skinsDir) && ok;
    const QString icons = QString::fromLocal8Bit(argv[2]);
    ok = QDir().mkpath(icons) && ok;
    // The icon uses the default skin's colors.
    ok = skingen::save(skingen::applicationIcon(skingen::kSkins[0]), QDir(icons).filePath(skingen::kIconFile),
                       skingen::kIconSize) &&
         ok;
    return ok ? 0 : 1;
}
