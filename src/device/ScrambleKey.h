// The six characters of the scrambling key, shared by the program and the simulated mouse's
// firmware: the one place they are written down.
#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

// Kept as separate characters rather than a string literal so the key does not show up as
// one readable string in the binary.
inline constexpr std::array<char, 6> kScrambleKeyChars{'T', '4', 'r', 'v', '!', 'k'};

// The 8-byte key: byte 0 and byte 7 zero, bytes 1-6 the six characters.
constexpr std::array<std::uint8_t, 8> scrambleKey() {
    std::array<std::uint8_t, 8> key{};
    for (std::size_t i = 0; i < kScrambleKeyChars.size(); ++i)
        key[i + 1] = static_cast<std::uint8_t>(kScrambleKeyChars[i]);
    return key;
}

}  // namespace tarvik
