// The main window's fixed click regions: rectangles, the order in which a click tests them,
// and the images the hover painter draws on them.
#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "ui/ClientRect.h"

namespace tarvik {

enum class TitleBarRegion { Ok, Apply, Cancel, Skins, Hide, Exit, BasicTab, AdvancedTab, WebLink };

struct TitleBarRow {
    TitleBarRegion region;
    ClientRect rect;
    // Images drawn in the normal and hover state ("" for a region without hover).
    std::string_view normalImage, overImage;
    int captionRow;  // catalogue row of the caption drawn on the button, 0 for none
};

inline constexpr std::array<TitleBarRow, 9> kTitleBarRegions{{
    {TitleBarRegion::Ok, {562, 623, 667, 644}, "/button-normal.png", "/button-over.png", 4},
    {TitleBarRegion::Apply, {666, 623, 771, 644}, "/button-normal.png", "/button-over.png", 5},
    {TitleBarRegion::Cancel, {770, 623, 875, 644}, "/button-normal.png", "/button-over.png", 6},
    {TitleBarRegion::Skins, {701, 5, 719, 23}, "/button-Skins-normal.png", "/button-Skins-over.png", 0},
    {TitleBarRegion::Hide, {825, 5, 843, 23}, "/button-min-normal.png", "/button-min-over.png", 0},
    {TitleBarRegion::Exit, {850, 5, 868, 23}, "/button-close-normal.png", "/button-close-over.png", 0},
    {TitleBarRegion::BasicTab, {14, 54, 54, 94}, "/button-PrePage-normal.png", "/button-PrePage-over.png", 0},
    {TitleBarRegion::AdvancedTab, {60, 54, 100, 94}, "/button-NextPage-normal.png", "/button-NextPage-over.png", 0},
    {TitleBarRegion::WebLink, {261, 626, 453, 646}, "", "", 0},
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
