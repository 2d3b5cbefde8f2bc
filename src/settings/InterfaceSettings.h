// "str.ini": the button captions of the interface language, the skin folder name and the
// color of the texts drawn on skinned windows.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

#include "settings/ConfigRecord.h"

namespace tarvik {

class TextCatalogue;

// The captions of the twelve user buttons in one key mode.
using CaptionSet = std::array<std::string, kButtonCount>;

struct Captions {
    CaptionSet modeA;
    CaptionSet modeB;
    bool operator==(const Captions&) const = default;
};

struct UiTextColor {
    std::uint8_t red = 0;
    std::uint8_t green = 255;  // green until "str.ini" has been read
    std::uint8_t blue = 0;
    bool operator==(const UiTextColor&) const = default;
};

// What start-up reads: the captions and the "Skins" values as text; the caller turns the
// color texts into a UiTextColor with uiTextColorFrom.
struct InterfaceSettings {
    Captions captions;
    std::string redText;
    std::string greenText;
    std::string blueText;
    std::string skinName;
};

struct SkinSettings {
    std::string skinName;
    UiTextColor color;
};

// "Item1".."Item12" for mode A (mode 0), "Item13", "Item23" .. "Item123" for mode B.
std::string captionKey(int mode, std::size_t button);

// The low 8 bits of the decimal value of the text; empty or non-numeric text gives 0.
std::uint8_t colorComponentFromText(std::string_view text);
UiTextColor uiTextColorFrom(const InterfaceSettings& settings);

// Reads the 24 captions from `captionSection`, then "RColor", "GColor", "BColor" and
// "Path" of "Skins"; a missing file or key reads as empty text.
InterfaceSettings LoadInterfaceSettings(const std::filesystem::path& strIni, std::string_view captionSection);
// Writes the 24 captions, mode A first, in one replacement of the file.
std::error_code SaveCaptions(const std::filesystem::path& strIni, std::string_view captionSection,
                             const Captions& captions);
// Writes "RColor", "GColor", "BColor" as decimal numbers, then "Path", to "Skins".
std::error_code SaveSkinSettings(const std::filesystem::path& strIni, const SkinSettings& skin);

// The first-run captions, the same in both modes: the catalogue labels of the five clicks,
// "DPI Loop" (one text in every language), "Fire Key" and five times "Key Off".
Captions defaultCaptions(const TextCatalogue& catalogue);

}  // namespace tarvik
