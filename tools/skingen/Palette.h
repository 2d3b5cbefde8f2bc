// Colors of each skin the generator draws: one row per skin, everything else is shared geometry.
#pragma once

#include <QColor>
#include <QRgb>

namespace skingen {

struct Palette {
    const char* name;      // skin folder name
    QRgb bgTop, bgBottom;  // window body gradient
    QRgb grain;            // texture strokes laid over the body (alpha in the top byte)
    QRgb titleTop, titleBottom, titleText;
    QRgb panelTop, panelBottom, panelEdge, panelHighlight, headerFill;
    QRgb accent, accentBright, accentDeep;
    QRgb well, wellEdge;  // recessed frames around real controls
    QRgb buttonTop, buttonBottom, buttonEdge, buttonOverTop, buttonOverBottom;
    QRgb glyph, glyphOver, danger;
    QRgb segmentDark, segmentDarkEdge;
    QRgb shellTop, shellBottom, shellEdge, shellButton, badgeText;
};

// Rows write colors as 0xRRGGBB; only texture colors carry an alpha byte, so a zero alpha byte reads as opaque.
inline QColor col(QRgb rgb) { return QColor::fromRgba(qAlpha(rgb) ? rgb : (rgb | 0xFF000000u)); }
inline QColor col(QRgb rgb, int alpha) {
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

// clang-format off
inline constexpr Palette kSkins[] = {
    // Carbon: near-black graphite, neon cyan accent.
    {"Carbon",
     0x121519, 0x0A0C0F, 0x0DFFFFFF,
     0x1E232A, 0x111418, 0xE8EEF4,
     0x181C22, 0x111418, 0x2B323C, 0x3A4350, 0x1D232B,
     0x18E0D0, 0x8CFFF4, 0x0B6F69,
     0x000000, 0x39424E,
     0x2A3038, 0x171B20, 0x3C4550, 0x1B3F45, 0x0E2326,
     0x9AA6B4, 0xE9FFFD, 0xFF4D5E,
     0x1C2127, 0x2C333C,
     0x2A3038, 0x111419, 0x444E5A, 0x20252C, 0x061012},
    // Arctic: light steel and white, deep blue accent.
    {"Arctic",
     0xF1F4F8, 0xDCE3EB, 0x12000000,
     0xFFFFFF, 0xE3E9F0, 0x1B2940,
     0xFFFFFF, 0xEDF1F6, 0xB9C4D2, 0xFFFFFF, 0xE6ECF3,
     0x1F4FD8, 0x6F95FF, 0x0E2C86,
     0x000000, 0x8D9AAD,
     0xFFFFFF, 0xDDE4EC, 0xA7B3C3, 0xE4ECFF, 0xBFD0FA,
     0x4A5870, 0x1F4FD8, 0xD8283E,
     0xCDD5E0, 0xAEB9C8,
     0xFBFCFE, 0xC9D2DE, 0x8794A8, 0xE9EEF4, 0xFFFFFF},
};
// clang-format on

}  // namespace skingen
