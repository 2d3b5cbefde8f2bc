// Handshake outcomes: only a mouse that answers the scrambled attempt is used.
#include <gtest/gtest.h>

#include "SimRig.h"
#include "device/ScrambleKey.h"

namespace tarvik {
namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(Handshake, OutcomesByWhatTheMouseAnswers) {
    enum class Mouse { ScrambledOnly, EchoesPlain, Gone };
    struct Case {
        const char* name;
        Mouse mouse;
        bool scrambled;
        int notice;
        int connected;
        std::size_t attempts;
    };
    const Case cases[] = {
        {"scrambled match", Mouse::ScrambledOnly, true, 14, 1, 2},
        {"plain echo", Mouse::EchoesPlain, false, 15, 0, 1},
        {"no answer", Mouse::Gone, false, 15, 0, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::SimRig rig;
        rig.mouse().setEchoPlainHandshake(c.mouse == Mouse::EchoesPlain);
        if (c.mouse == Mouse::Gone) rig.backend.unplug();
        rig.link.connected = 1 - c.connected;
        Handshake(rig.link, rig.clock, rig.sink);
        EXPECT_EQ(rig.link.scrambled, c.scrambled);
        EXPECT_EQ(rig.link.connected.load(), c.connected);
        EXPECT_EQ(rig.sink.notices, (std::vector<std::pair<int, int>>{{c.notice, 0}}));
        EXPECT_EQ(rig.clock.pauses, std::vector<unsigned>(c.attempts, 5));
        // Whatever the outcome the listener is woken to look at `connected` again.
        EXPECT_TRUE(rig.link.deviceEvent.isSet());
        EXPECT_TRUE(rig.mouse().badChecksums().empty());
        if (c.mouse == Mouse::ScrambledOnly) {
            // The scrambled attempt and the mouse's answer, as the wire carries them.
            const Bytes scrambledMagic{0x00, 0x66, 0x0D, 0x3F, 0x8C, 0xB7, 0x9E, 0xAD, 0xFE};
            const auto& wire = rig.mouse().wire();
            ASSERT_EQ(wire.size(), 4u);
            EXPECT_EQ(wire[2].bytes, scrambledMagic);
            EXPECT_EQ(wire[3].bytes, scrambledMagic);
        }
    }
}

TEST(Handshake, PlainAttemptComesFirstAndKeyStaysFilled) {
    test::SimRig rig;
    rig.link.scrambled = true;  // left over from an earlier connection
    rig.mouse().setEchoPlainHandshake(false);
    rig.backend.unplugAfterTransfers(2);  // the plain attempt's set and get, then gone
    Handshake(rig.link, rig.clock, rig.sink);
    const auto& wire = rig.mouse().wire();
    ASSERT_GE(wire.size(), 1u);
    EXPECT_EQ(wire[0].bytes, (Bytes{0x00, 0x00, 0xAA, 0xDD, 0x3B, 0x62, 0x00, 0x00, 0xDB}));
    EXPECT_EQ(rig.link.scrambleKey, scrambleKey());
    EXPECT_FALSE(rig.link.scrambled);
}

TEST(Handshake, KeyObserverHearsOfASuccessfulScrambledHandshakeOnly) {
    for (bool echo : {false, true}) {
        SCOPED_TRACE(echo);
        test::SimRig rig;
        rig.mouse().setEchoPlainHandshake(echo);
        int calls = 0;
        rig.link.keyObserver = [&](const std::array<std::uint8_t, 8>& key) {
            ++calls;
            EXPECT_EQ(key, scrambleKey());
        };
        Handshake(rig.link, rig.clock, rig.sink);
        EXPECT_EQ(calls, echo ? 0 : 1);
    }
}

}  // namespace
}  // namespace tarvik
