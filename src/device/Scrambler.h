// The reversible transform applied to the 8 packet bytes when the mouse asked for scrambling
// in the handshake (the report id and the data chunks are never scrambled).
#pragma once

#include <array>
#include <cstdint>
#include <span>

namespace tarvik {

using ScrambleKeyBytes = std::array<std::uint8_t, 8>;

inline constexpr std::array<std::uint8_t, 8> kAdditiveKey{'V', 'e', 'L', 'o', 'm', 'I', 'r', 'a'};

// Swap, XOR bytes 1-6 with the key, rotate left by 3 bits, add the nibble-swapped additive key.
void Scramble(std::span<std::uint8_t, 8> bytes, const ScrambleKeyBytes& key);
// The exact inverse of Scramble.
void Unscramble(std::span<std::uint8_t, 8> bytes, const ScrambleKeyBytes& key);

}  // namespace tarvik
