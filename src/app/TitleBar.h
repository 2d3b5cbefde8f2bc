// The main window's fixed click regions: rectangles, the order in which a click tests them,
// and the images the hover painter draws on them.
#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/ClientRect.h"
#include "ui/SkinLayout.h"
#include "ui/TextRows.h"

namespace tarvik {

enum class TitleBarRegion { Ok, Apply, Cancel, Skins, Hide, Exit, BasicTab, AdvancedTab, WebLink };

struct TitleBarRow {
    TitleBarRegion region;
    ClientRect rect;
    // Images drawn in the normal and hover state ("" for a region without hover).
    std::string_view normalImage, overImage;
    std::optional<TextRow> captionRow;  // catalogue row of the caption drawn on the button
};

// The click region of a place of the window's layout.
constexpr ClientRect clickRegion(layout::Rect r) { return {r.left, r.top, r.right, r.bottom}; }

inline constexpr std::array<TitleBarRow, 9> kTitleBarRegions{{
    {TitleBarRegion::Ok, clickRegion(layout::kOk), "/button-normal.png", "/button-over.png", TextRow::Ok},
    {TitleBarRegion::Apply, clickRegion(layout::kApply), "/button-normal.png", "/button-over.png", TextRow::Apply},
    {TitleBarRegion::Cancel, clickRegion(layout::kCancel), "/button-normal.png", "/button-over.png", TextRow::Cancel},
    {TitleBarRegion::Skins, clickRegion(layout::kSkins), "/button-Skins-normal.png", "/button-Skins-over.png", {}},
    {TitleBarRegion::Hide, clickRegion(layout::kHide), "/button-min-normal.png", "/button-min-over.png", {}},
    {TitleBarRegion::Exit, clickRegion(layout::kExit), "/button-close-normal.png", "/button-close-over.png", {}},
    {TitleBarRegion::BasicTab,
     clickRegion(layout::kBasicTab),
     "/button-PrePage-normal.png",
     "/button-PrePage-over.png",
     {}},
    {TitleBarRegion::AdvancedTab,
     clickRegion(layout::kAdvancedTab),
     "/button-NextPage-normal.png",
     "/button-NextPage-over.png",
     {}},
    {TitleBarRegion::WebLink, clickRegion(layout::kWebLink), "", "", {}},
}};

const TitleBarRow& titleBarRow(TitleBarRegion region);

// The regions a left click at (x, y) acts on, in the order their actions run. OK, Apply and
// Skins do not stop the test, so a point on a shared edge (x = 666 or 770) runs both
// neighbours; Hide, Exit, the tabs and the web link end it. Empty: the click is the page's.
std::vector<TitleBarRegion> regionsAt(int x, int y);

// The title strip the window can be dragged by: the top band, outside every region.
inline constexpr ClientRect kDragStrip{0, 0, 10000, 50};
bool isDragPoint(int x, int y);

}  // namespace tarvik
