// Packet scrambling: four steps out, the same four undone in reverse order on the way in.
#include "device/Scrambler.h"

#include <utility>

namespace tarvik {
namespace {

using Bytes = std::span<std::uint8_t, 8>;

// Self-inverse permutation: 0<->5, 1<->4, 2<->7, 3<->6.
void swapBytes(Bytes d) {
    std::swap(d[0], d[5]);
    std::swap(d[1], d[4]);
    std::swap(d[2], d[7]);
    std::swap(d[3], d[6]);
}

void xorKey(Bytes d, const ScrambleKeyBytes& key) {
    for (std::size_t i = 1; i <= 6; ++i) d[i] ^= key[i];
}

// The 8 bytes as one big-endian 64-bit number, byte 0 most significant.
std::uint64_t toWord(Bytes d) {
    std::uint64_t word = 0;
    for (std::uint8_t b : d) word = (word << 8) | b;
    return word;
}

void fromWord(Bytes d, std::uint64_t word) {
    for (std::size_t i = 8; i-- > 0;) {
        d[i] = static_cast<std::uint8_t>(word & 0xFF);
        word >>= 8;
    }
}

std::uint8_t nibbleSwap(std::uint8_t a) { return static_cast<std::uint8_t>((a << 4) | (a >> 4)); }

}  // namespace

void Scramble(Bytes d, const ScrambleKeyBytes& key) {
    swapBytes(d);
    xorKey(d, key);
    const std::uint64_t w = toWord(d);
    fromWord(d, (w << 3) | (w >> 61));
    for (std::size_t i = 0; i < 8; ++i) d[i] = static_cast<std::uint8_t>(d[i] + nibbleSwap(kAdditiveKey[i]));
}

void Unscramble(Bytes d, const ScrambleKeyBytes& key) {
    for (std::size_t i = 0; i < 8; ++i) d[i] = static_cast<std::uint8_t>(d[i] - nibbleSwap(kAdditiveKey[i]));
    const std::uint64_t w = toWord(d);
    fromWord(d, (w >> 3) | (w << 61));
    xorKey(d, key);
    swapBytes(d);
}

}  // namespace tarvik
