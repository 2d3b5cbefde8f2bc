// Button tables to the mouse's KeyMatrix entries: catalogue codes, slot order, defaults.
#pragma once

#include <array>
#include <cstdint>

#include "settings/ConfigRecord.h"

namespace tarvik {

using KeyEntry = std::array<std::uint8_t, 4>;

// Matrix slot of each user button 0-11.
inline constexpr std::array<int, kButtonCount> kSlotOfButton{0, 1, 2, 4, 3, 5, 7, 6, 8, 9, 10, 11};

// The four entry bytes of user button `button` by the function catalogue.
KeyEntry encodeButtonEntry(const ButtonTable& table, const ButtonExtra& extra, int button);
// Fills the 256-byte block: KeyMatrix 1 from mode A, 3 from mode B, 2 and 4 all zero.
void buildKeyMatrices(const ConfigRecord& record, std::array<std::uint8_t, 256>& block);
// The "Default" button's record part: row 0 of both tables and the DPI Loop of button 5.
void restoreDefaultButtonFunctions(ConfigRecord& record);

}  // namespace tarvik
