// Command packet checksum, chunk counts and the scrambler's round trip.
#include <gtest/gtest.h>

#include <random>

#include "device/CommandPacket.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"

namespace tarvik {
namespace {

TEST(CommandPacket, ChecksumIsFFMinusSumOfFirstSevenBytes) {
    struct Case {
        CommandPacket packet;
        std::uint8_t checksum;
    };
    const Case cases[] = {
        {{0x83, 0, 0, 0, 0, 0, 0, 0}, 0x7C},
        {{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0}, 0xDB},
        {{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0, 0, 0x55}, 0xDB},  // a wrong byte 7 does not count
        {{0, 0, 0, 0, 0, 0, 0, 0}, 0xFF},
        {{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0}, 0x06},  // sum wraps modulo 256
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.packet));
        EXPECT_EQ(packetChecksum(c.packet), c.checksum);
    }
}

TEST(CommandPacket, ChunkCountIsLengthOver32RoundedUp) {
    const std::pair<std::size_t, std::size_t> cases[] = {{24, 1}, {64, 2}, {128, 4}, {0, 0}, {33, 2}, {32, 1}, {255, 8}};
    for (const auto& [length, chunks] : cases) {
        SCOPED_TRACE(length);
        EXPECT_EQ(chunkCount(length), chunks);
    }
}

TEST(Scrambler, UnscrambleUndoesScrambleForManyPacketsAndKeys) {
    std::mt19937 random(1234);
    std::uniform_int_distribution<int> byte(0, 255), printable(0x20, 0x7E);
    for (int round = 0; round < 2000; ++round) {
        ScrambleKeyBytes key{};
        for (std::size_t i = 1; i <= 6; ++i) key[i] = static_cast<std::uint8_t>(printable(random));
        CommandPacket original{};
        for (auto& b : original) b = static_cast<std::uint8_t>(byte(random));
        CommandPacket p = original;
        Scramble(p, key);
        Unscramble(p, key);
        ASSERT_EQ(p, original) << "round " << round;
    }
}

// Worked by hand through the four steps with the program's key: a change to any step, or to
// the key characters, shows up here (the mouse's firmware must agree byte for byte).
TEST(Scrambler, HandshakeScramblesToAFixedForm) {
    CommandPacket p{0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB};
    const ScrambleKeyBytes key = scrambleKey();
    // Step 1 (swaps): 00 62 DB 00 AA 00 3B DD; step 2 XOR key bytes 1-6.
    auto x = [&](std::uint8_t b, std::size_t i) { return static_cast<std::uint8_t>(b ^ key[i]); };
    CommandPacket expected{0x00, x(0x62, 1), x(0xDB, 2), x(0x00, 3), x(0xAA, 4), x(0x00, 5), x(0x3B, 6), 0xDD};
    // Step 3: rotate left by 3 bits over the 64-bit big-endian word.
    std::uint64_t w = 0;
    for (auto b : expected) w = (w << 8) | b;
    w = (w << 3) | (w >> 61);
    for (std::size_t i = 8; i-- > 0; w >>= 8) expected[i] = static_cast<std::uint8_t>(w);
    // Step 4: add the nibble-swapped "VeLomIra".
    const std::uint8_t swapped[8] = {0x65, 0x56, 0xC4, 0xF6, 0xD6, 0x94, 0x27, 0x16};
    for (std::size_t i = 0; i < 8; ++i) expected[i] = static_cast<std::uint8_t>(expected[i] + swapped[i]);
    Scramble(p, key);
    EXPECT_EQ(p, expected);
}

TEST(ScrambleKey, SixPrintableCharactersBetweenZeroBytes) {
    const auto key = scrambleKey();
    EXPECT_EQ(key[0], 0);
    EXPECT_EQ(key[7], 0);
    for (std::size_t i = 1; i <= 6; ++i) {
        SCOPED_TRACE(i);
        EXPECT_GE(key[i], 0x21);
        EXPECT_LE(key[i], 0x7E);
    }
}

}  // namespace
}  // namespace tarvik
