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
    const std::pair<std::size_t, std::size_t> cases[] = {{24, 1}, {64, 2}, {128, 4}, {0, 0},
                                                         {33, 2}, {32, 1}, {255, 8}};
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

// Literal results worked out by hand through the four steps, so neither the steps nor the key
// characters can change without this table noticing (the mouse's firmware must agree byte
// for byte, and the simulated firmware shares the code under test).
TEST(Scrambler, KnownPacketsScrambleToFixedBytes) {
    struct Case {
        const char* name;
        CommandPacket plain, scrambled;
    };
    const Case cases[] = {
        {"handshake",
         {0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB},
         {0x66, 0x0D, 0x3F, 0x8C, 0xB7, 0x9E, 0xAD, 0xFE}},
        {"all zero",
         {0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0xFF},
         {0x67, 0xFC, 0x1F, 0x89, 0x87, 0x9F, 0x7F, 0x16}},
        {"read sensor",
         {0x83, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7C},
         {0x67, 0xF8, 0x07, 0x89, 0x8B, 0xA7, 0x7F, 0x16}},
        {"write sensor",
         {0x03, 0x00, 0x01, 0x00, 0x45, 0x00, 0x00, 0xB6},
         {0x65, 0xE2, 0xD7, 0x89, 0x87, 0xA7, 0x7F, 0x1E}},
        {"color answer",
         {0x90, 0x01, 0x18, 0x00, 0x00, 0x00, 0x00, 0x56},
         {0x67, 0xF9, 0xD7, 0x89, 0x93, 0x1F, 0x7F, 0xD6}},
        {"every bit pattern",
         {0x93, 0x0C, 0x80, 0xFF, 0x7F, 0x01, 0xFE, 0x63},
         {0x6E, 0xB0, 0x80, 0x59, 0xAB, 0x28, 0xCB, 0x16}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CommandPacket p = c.plain;
        Scramble(p, scrambleKey());
        EXPECT_EQ(p, c.scrambled);
        Unscramble(p, scrambleKey());
        EXPECT_EQ(p, c.plain);
        p = c.scrambled;
        Unscramble(p, scrambleKey());
        EXPECT_EQ(p, c.plain);
    }
}

TEST(ScrambleKey, IsTheFirmwaresSixCharacters) {
    EXPECT_EQ(scrambleKey(), (ScrambleKeyBytes{0x00, 0x54, 0x34, 0x72, 0x76, 0x21, 0x6B, 0x00}));
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
