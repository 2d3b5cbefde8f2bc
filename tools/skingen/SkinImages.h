// Every image a skin folder must hold, with the size the windows are laid out for.
#pragma once

#include <array>

#include "ui/SkinLayout.h"

namespace skingen {

struct SkinImage {
    const char* file;
    tarvik::layout::Size size;
};

namespace L = tarvik::layout;

// clang-format off
inline constexpr std::array kSkinImages = {
    SkinImage{"main.png", L::kMainWindow},
    SkinImage{"BasicSet2.png", L::kMainWindow},
    SkinImage{"AdvancedSet2.png", L::kMainWindow},
    SkinImage{"button-normal.png", L::kTextButton},
    SkinImage{"button-over.png", L::kTextButton},
    SkinImage{"button-close-normal.png", L::kFrameButton},
    SkinImage{"button-close-over.png", L::kFrameButton},
    SkinImage{"button-min-normal.png", L::kFrameButton},
    SkinImage{"button-min-over.png", L::kFrameButton},
    SkinImage{"button-Skins-normal.png", L::kFrameButton},
    SkinImage{"button-Skins-over.png", L::kFrameButton},
    SkinImage{"button-PrePage-normal.png", L::kPageButton},
    SkinImage{"button-PrePage-over.png", L::kPageButton},
    SkinImage{"button-NextPage-normal.png", L::kPageButton},
    SkinImage{"button-NextPage-over.png", L::kPageButton},
    SkinImage{"DropdownBox-normal.png", L::kDropdownBox},
    SkinImage{"DropdownBox-over.png", L::kDropdownBox},
    SkinImage{"Pane.png", L::kTickBox},
    SkinImage{"PaneMakingTick.png", L::kTickBox},
    SkinImage{"slider-light.png", L::kSliderSegment},
    SkinImage{"slider-dark.png", L::kSliderSegment},
    SkinImage{"slider-DPI-light.png", L::kDpiTick},
    SkinImage{"slider-DPI-dark.png", L::kDpiTick},
    SkinImage{"slider-RP-light.png", L::kReportRateStop},
    SkinImage{"slider-RP-dark.png", L::kReportRateStop},
    SkinImage{"combo-key.png", L::kDialog},
    SkinImage{"delay-time.png", L::kDialog},
    SkinImage{"fire-key.png", L::kDialog},
    SkinImage{"macro-key.png", L::kDialog},
    SkinImage{"media-key.png", L::kDialog},
    SkinImage{"single-key.png", L::kDialog},
    SkinImage{"skins.png", L::kDialog},
    SkinImage{"windows-key.png", L::kDialog},
};
// clang-format on

inline constexpr L::Size kIconSize{256, 256};
inline constexpr const char* kIconFile = "tarvik.png";

}  // namespace skingen
