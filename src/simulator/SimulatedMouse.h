// The firmware of the simulated mouse: answers the scrambled handshake (and, in one mode, the
// plain one), keeps every block written, answers every read command and records the wire.
//
// Defaults of a fresh mouse (what the read commands answer before anything is written):
//   sensor settings   type 0, rate 01, option 1 00, option 2 05   (kDefaultSensorSettings)
//   report rate       01 (1000 Hz)
//   effect triple     01 05 00                                    (kDefaultEffect)
//   light option sets set 0: 03 04 05, set 1: 06 07 08           (kDefaultOptionSets)
//   color block 0    bytes 0x40 + i for i = 0..23; block 1 all zero
//   DPI codes, key matrices, macro slots: all zero
// The sensor type is selectable (0-3) through `state().sensorSettings[0]`.
// It checks the checksum of every packet it receives and ignores a packet whose checksum is
// wrong, so a checksum fault of the program shows; tests read those packets from
// `badChecksums()`.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <span>
#include <vector>

#include "device/CommandPacket.h"

namespace tarvik::simulator {

struct WireRecord {
    enum class Kind { SetFeature, GetFeature, Output, Input };
    Kind kind = Kind::SetFeature;
    std::vector<std::uint8_t> bytes;  // the whole report, report id first
};

// The record's kind as the wire log names it: "SET_FEATURE", "GET_FEATURE", "OUTPUT", "INPUT".
const char* wireKindName(WireRecord::Kind kind);

// Ways a broken or hostile mouse misbehaves; all off by default.
struct HostileModes {
    // When 0-255: 0x90 / 0x93 answers claim this many data bytes and send the chunks that
    // length needs; bytes past the real block are 0xEE.
    int claimedBlockLength = -1;
    bool outOfRangeNumbers = false;  // 0x87 / 0x90 answers name set/block 7, 0x93 answers slot 13
    bool garbageAnswers = false;     // every feature answer is noise
    bool shortAnswers = false;       // feature gets fail and chunk reads stop after 5 bytes,
                                     // leaving 0xEE in the rest of the caller's buffer
    std::uint8_t reportId = 0;       // report id in front of every answer and chunk
};

struct MouseState {
    std::array<std::uint8_t, 4> sensorSettings{};
    std::uint8_t reportRate = 0;
    std::array<std::uint8_t, 3> lightEffect{};
    std::array<std::array<std::uint8_t, 3>, 2> lightOptionSets{};
    std::array<std::array<std::uint8_t, 24>, 2> colorBlocks{};
    std::array<std::uint8_t, 8> dpiCodes{};
    std::array<std::uint8_t, 256> keyMatrices{};
    std::array<std::uint8_t, 12 * 128> macroSlots{};
};

inline constexpr std::array<std::uint8_t, 4> kDefaultSensorSettings{0x00, 0x01, 0x00, 0x05};
inline constexpr std::array<std::uint8_t, 3> kDefaultEffect{0x01, 0x05, 0x00};
inline constexpr std::array<std::array<std::uint8_t, 3>, 2> kDefaultOptionSets{
    {{0x03, 0x04, 0x05}, {0x06, 0x07, 0x08}}};
MouseState defaultMouseState();
// Every setting the mouse holds, field after field in declaration order, to compare two mice.
std::vector<std::uint8_t> stateBytes(const MouseState& s);

class SimulatedMouse {
public:
    SimulatedMouse();

    // One feature report set by the host (report id first). Shorter reports are zero-padded.
    void setFeature(std::span<const std::uint8_t> report);
    // Fills the host's buffer with the pending answer; false when the get fails.
    bool getFeature(std::span<std::uint8_t> report);
    // One output report (a data chunk written by the host).
    void output(std::span<const std::uint8_t> report);
    // The next input report (a data chunk of a read answer); 0 when none is pending.
    std::size_t input(std::span<std::uint8_t> report);
    bool inputPending() const { return !pendingInput_.empty(); }
    // Forgets the handshake and any transfer under way, as after a power cycle; keeps settings.
    void powerCycle();

    MouseState& state() { return state_; }
    const MouseState& state() const { return state_; }
    HostileModes& hostile() { return hostile_; }
    // Also answer the plain handshake (a mouse the program must refuse).
    void setEchoPlainHandshake(bool on) { echoPlain_ = on; }
    bool scrambling() const { return scrambling_; }

    // Packets whose checksum was wrong, as the firmware understood them; it ignored each.
    const std::vector<CommandPacket>& badChecksums() const { return badChecksums_; }

    const std::vector<WireRecord>& wire() const { return wire_; }
    // The packets received after the handshake, as the firmware understood them (unscrambled).
    const std::vector<CommandPacket>& commands() const { return commands_; }
    void clearRecords();

private:
    void handshake(const CommandPacket& raw);
    void execute(const CommandPacket& p);
    void answer(CommandPacket p);
    void answerBlock(std::uint8_t opcode, std::uint8_t number, std::span<const std::uint8_t> data);
    void storeBlock();

    MouseState state_ = defaultMouseState();
    HostileModes hostile_;
    bool echoPlain_ = false;
    bool scrambling_ = false;
    CommandPacket pendingAnswer_{};
    std::deque<std::array<std::uint8_t, 32>> pendingInput_;
    // A write command waiting for its chunks.
    CommandPacket blockCommand_{};
    std::size_t chunksExpected_ = 0;
    std::vector<std::uint8_t> blockData_;
    std::vector<WireRecord> wire_;
    std::vector<CommandPacket> commands_;
    std::vector<CommandPacket> badChecksums_;
};

}  // namespace tarvik::simulator
