// Label lookups of the button-function catalogue and the combination caption rule.
#include "buttons/ButtonCatalogue.h"

#include "buttons/KeyCodes.h"

namespace tarvik {

std::string_view functionLabel(std::uint8_t code) {
    return code < kButtonCatalogue.size() ? kButtonCatalogue[code].label : std::string_view{};
}

std::string_view dpiActionText(std::uint8_t action) {
    if (action < 1 || action > kDpiActionTexts.size()) return {};
    return kDpiActionTexts[action - 1U];
}

std::string comboCaptionTail(std::string_view modifierName, std::string_view key1Name, std::string_view key2Name) {
    // A part whose code is 0 is not encoded either, so the caption leaves it out.
    std::string tail;
    auto add = [&tail](std::string_view name, std::uint8_t code) {
        if (code == 0) return;
        if (!tail.empty()) tail += '+';
        tail += name;
    };
    add(modifierName, modifierBitFromName(modifierName));
    add(key1Name, keyUsageFromName(key1Name));
    add(key2Name, keyUsageFromName(key2Name));
    return tail;
}

}  // namespace tarvik
