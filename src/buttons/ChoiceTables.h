// Index-to-code tables of the fire-key, multimedia and Windows-function choices, with the
// list texts that the three choice dialogs show (their other texts are in ui/TextCatalogue.h).
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "ui/Language.h"

namespace tarvik {

std::uint8_t fireKeyCodeOf(int index);       // 61 entries, 0 outside
std::uint8_t mediaUsageOf(int index);        // 7 entries (consumer usage, high byte 0), 0 outside
std::uint8_t windowsUsageOf(int index);      // 11 entries, low byte of the consumer usage, 0 outside
std::uint8_t windowsUsageHighOf(int index);  // 1 for 0-3, 2 for 4-10, 0 otherwise

// A list item's text in English, Simplified Chinese and Traditional Chinese (UTF-8).
struct ChoiceText {
    std::string_view en, chs, cht;
};

// The item's text in `language`, as the dialogs list it and the captions show it.
std::string_view choiceTextIn(const ChoiceText& text, LanguageId language);

// The fire-key list texts (the same in every language), index 0 first: "A" ... "R-Tilt Wheel".
std::span<const std::string_view> fireKeyItems();
// The multimedia and Windows-function list texts, index 0 first.
std::span<const ChoiceText> mediaItems();
std::span<const ChoiceText> windowsItems();

}  // namespace tarvik
