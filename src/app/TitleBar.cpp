// Click dispatch order of the main window's regions.
#include "app/TitleBar.h"

#include <algorithm>

namespace tarvik {
namespace {

// Test order of a click and whether a hit ends the test.
struct DispatchStep {
    TitleBarRegion region;
    bool stops;
};
constexpr std::array<DispatchStep, 9> kDispatchOrder{{
    {TitleBarRegion::Ok, false},
    {TitleBarRegion::Apply, false},
    {TitleBarRegion::Skins, false},
    {TitleBarRegion::Hide, true},
    {TitleBarRegion::Exit, true},
    {TitleBarRegion::BasicTab, true},
    {TitleBarRegion::AdvancedTab, true},
    {TitleBarRegion::Cancel, false},
    {TitleBarRegion::WebLink, true},
}};

}  // namespace

const TitleBarRow& titleBarRow(TitleBarRegion region) {
    return *std::find_if(kTitleBarRegions.begin(), kTitleBarRegions.end(),
                         [&](const TitleBarRow& row) { return row.region == region; });
}

std::vector<TitleBarRegion> regionsAt(int x, int y) {
    std::vector<TitleBarRegion> hits;
    for (const DispatchStep& step : kDispatchOrder) {
        if (!titleBarRow(step.region).rect.contains(x, y)) continue;
        hits.push_back(step.region);
        if (step.stops) break;
    }
    return hits;
}

bool isDragPoint(int x, int y) {
    if (!kDragStrip.contains(x, y)) return false;
    return std::none_of(kTitleBarRegions.begin(), kTitleBarRegions.end(),
                        [&](const TitleBarRow& row) { return row.rect.contains(x, y); });
}

}  // namespace tarvik
