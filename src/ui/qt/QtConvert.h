// Conversions from the Qt-free text and rectangles of the layouts and catalogues to Qt's types,
// for every window and dialog.
#pragma once

#include <QRect>
#include <QString>

#include <string_view>

#include "ui/ClientRect.h"
#include "ui/SkinLayout.h"

namespace tarvik::ui {

constexpr ClientRect clientRect(const layout::Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// UTF-8 text, which is what every string of the program holds.
inline QString toQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// Both rectangle types keep right and bottom exclusive, as QRect's width and height expect.
inline QRect toQRect(const ClientRect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }
inline QRect toQRect(const layout::Rect& rect) { return {rect.left, rect.top, rect.width(), rect.height()}; }

}  // namespace tarvik::ui
