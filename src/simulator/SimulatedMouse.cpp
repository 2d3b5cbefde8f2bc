// The simulated firmware: decodes packets, keeps the blocks it is sent and prepares answers.
#include "simulator/SimulatedMouse.h"

#include <algorithm>

#include "device/Commands.h"
#include "device/Handshake.h"
#include "device/ScrambleKey.h"
#include "device/Scrambler.h"

namespace tarvik::simulator {
namespace {

constexpr std::uint8_t kNoise = 0xEE;

// All eight bytes of a good packet add up to 0xFF modulo 256. Summed here on its own, not
// through the program's checksum function, so a wrong checksum on the program's side shows.
bool checksumHolds(const CommandPacket& p) {
    unsigned sum = 0;
    for (std::uint8_t b : p) sum += b;
    return (sum & 0xFF) == 0xFF;
}

bool isHandshake(const CommandPacket& p) { return std::equal(p.begin(), p.begin() + 5, kHandshakePacket.begin()); }

CommandPacket packetOf(std::span<const std::uint8_t> report) {
    CommandPacket p{};
    if (report.size() > 1) std::copy_n(report.begin() + 1, std::min<std::size_t>(8, report.size() - 1), p.begin());
    return p;
}

// The slice of the mouse's block store named by a write command, empty when out of range.
std::span<std::uint8_t> blockTarget(MouseState& s, const CommandPacket& p) {
    const int n = p[packet::kIndex];
    switch (p[packet::kOpcode]) {
    case opcode::kWriteColorBlock:
        return n <= 1 ? std::span<std::uint8_t>(s.colorBlocks[static_cast<std::size_t>(n)]) : std::span<std::uint8_t>{};
    case opcode::kWriteDpiCodes: return n == 4 ? std::span<std::uint8_t>(s.dpiCodes) : std::span<std::uint8_t>{};
    case opcode::kWriteKeyMatrix:
        if (n < 1 || n > kKeyMatrices) return {};
        return std::span(s.keyMatrices).subspan(static_cast<std::size_t>(n - 1) * kKeyMatrixSize, kKeyMatrixSize);
    case opcode::kWriteMacroSlot:
        if (n < 1 || n > kMacroSlots) return {};
        return std::span(s.macroSlots).subspan(static_cast<std::size_t>(n - 1) * kMacroSlotBytes, kMacroSlotBytes);
    default: return {};
    }
}

}  // namespace

MouseState defaultMouseState() {
    MouseState s;
    s.sensorSettings = kDefaultSensorSettings;
    s.reportRate = 0x01;
    s.lightEffect = kDefaultEffect;
    s.lightOptionSets = kDefaultOptionSets;
    for (std::size_t i = 0; i < s.colorBlocks[0].size(); ++i) s.colorBlocks[0][i] = static_cast<std::uint8_t>(0x40 + i);
    return s;
}

const char* wireKindName(WireRecord::Kind kind) {
    switch (kind) {
    case WireRecord::Kind::SetFeature: return "SET_FEATURE";
    case WireRecord::Kind::GetFeature: return "GET_FEATURE";
    case WireRecord::Kind::Output: return "OUTPUT";
    case WireRecord::Kind::Input: return "INPUT";
    }
    return "?";
}

std::vector<std::uint8_t> stateBytes(const MouseState& s) {
    std::vector<std::uint8_t> out;
    auto add = [&](std::span<const std::uint8_t> field) { out.insert(out.end(), field.begin(), field.end()); };
    add(s.sensorSettings);
    add(std::span(&s.reportRate, 1));
    add(s.lightEffect);
    for (const auto& set : s.lightOptionSets) add(set);
    for (const auto& block : s.colorBlocks) add(block);
    add(s.dpiCodes);
    add(s.keyMatrices);
    add(s.macroSlots);
    return out;
}

SimulatedMouse::SimulatedMouse() = default;

void SimulatedMouse::setFeature(std::span<const std::uint8_t> report) {
    wire_.push_back({WireRecord::Kind::SetFeature, {report.begin(), report.end()}});
    const CommandPacket raw = packetOf(report);
    // A new command abandons a block whose chunks never all arrived.
    chunksExpected_ = 0;
    pendingInput_.clear();
    CommandPacket decoded = raw;
    Unscramble(decoded, scrambleKey());
    const bool plainHandshake = isHandshake(raw);
    const bool handshakeAttempt = plainHandshake || isHandshake(decoded);
    // The plain handshake is read as sent; the scrambled one, and every packet while
    // scrambling is on, unscrambled.
    const bool unscramble = !plainHandshake && (handshakeAttempt || scrambling_);
    const CommandPacket p = unscramble ? decoded : raw;
    if (!checksumHolds(p)) {
        badChecksums_.push_back(p);
        pendingAnswer_ = {};
        return;
    }
    if (handshakeAttempt) {
        handshake(raw);
        return;
    }
    commands_.push_back(p);
    execute(p);
}

// The plain magic is echoed only in that mode; the scrambled one always, scrambled back.
void SimulatedMouse::handshake(const CommandPacket& raw) {
    if (isHandshake(raw)) {
        scrambling_ = false;
        pendingAnswer_ = echoPlain_ ? raw : CommandPacket{};
        return;
    }
    scrambling_ = true;
    answer(kHandshakePacket);
}

void SimulatedMouse::answer(CommandPacket p) {
    setChecksum(p);
    if (hostile_.garbageAnswers) {
        for (std::size_t i = 0; i < p.size(); ++i) p[i] = static_cast<std::uint8_t>(0x5A ^ (i * 37) ^ p[0]);
    }
    pendingAnswer_ = p;
}

void SimulatedMouse::answerBlock(std::uint8_t opcode, std::uint8_t number, std::span<const std::uint8_t> data) {
    const int claimed = hostile_.claimedBlockLength;
    const auto length = static_cast<std::uint8_t>(claimed >= 0 && claimed <= 255 ? claimed : data.size());
    answer(makePacket(opcode, number, length));
    std::vector<std::uint8_t> bytes(chunkCount(length) * kChunkSize, kNoise);
    std::copy_n(data.begin(), std::min(data.size(), bytes.size()), bytes.begin());
    if (claimed < 0)
        std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(std::min(data.size(), bytes.size())), bytes.end(), 0);
    for (std::size_t k = 0; k < chunkCount(length); ++k) {
        std::array<std::uint8_t, 32> chunk{};
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(k * kChunkSize), kChunkSize, chunk.begin());
        pendingInput_.push_back(chunk);
    }
}

void SimulatedMouse::execute(const CommandPacket& p) {
    auto& s = state_;
    const std::uint8_t n = p[packet::kIndex];
    const bool wild = hostile_.outOfRangeNumbers;
    switch (p[packet::kOpcode]) {
    case opcode::kWriteReportRate: s.reportRate = n; break;
    case opcode::kWriteSensorSettings: std::copy_n(p.begin() + 1, 4, s.sensorSettings.begin()); break;
    case opcode::kReadSensorSettings:
        answer(makePacket(p[0], s.sensorSettings[0], s.sensorSettings[1], s.sensorSettings[2], s.sensorSettings[3]));
        break;
    case opcode::kWriteLightOptionSet:
        if (n <= 1) std::copy_n(p.begin() + 2, 3, s.lightOptionSets[n].begin());
        break;
    case opcode::kReadLightOptionSet: {
        const auto& o = s.lightOptionSets[n & 1];
        answer(makePacket(p[0], wild ? 7 : n, o[0], o[1], o[2]));
        break;
    }
    case opcode::kWriteEffect: std::copy_n(p.begin() + 1, 3, s.lightEffect.begin()); break;
    case opcode::kReadEffect: answer(makePacket(p[0], s.lightEffect[0], s.lightEffect[1], s.lightEffect[2])); break;
    case opcode::kReadColorBlock: answerBlock(p[0], wild ? 7 : n, s.colorBlocks[n & 1]); break;
    case opcode::kReadMacroSlot: {
        const int slot = std::clamp<int>(n, 1, kMacroSlots);
        answerBlock(
            p[0], wild ? 13 : n,
            std::span(s.macroSlots).subspan(static_cast<std::size_t>(slot - 1) * kMacroSlotBytes, kMacroSlotBytes));
        break;
    }
    case opcode::kWriteColorBlock:
    case opcode::kWriteDpiCodes:
    case opcode::kWriteKeyMatrix:
    case opcode::kWriteMacroSlot:
        blockCommand_ = p;
        chunksExpected_ = chunkCount(p[packet::kLength]);
        blockData_.clear();
        break;
    default: answer(CommandPacket{}); break;
    }
}

bool SimulatedMouse::getFeature(std::span<std::uint8_t> report) {
    if (hostile_.shortAnswers) {
        std::ranges::fill(report, kNoise);
        wire_.push_back({WireRecord::Kind::GetFeature, {}});
        return false;
    }
    std::ranges::fill(report, 0);
    CommandPacket out = pendingAnswer_;
    if (scrambling_) Scramble(out, scrambleKey());
    if (!report.empty()) report[0] = hostile_.reportId;
    if (report.size() > 1) std::copy_n(out.begin(), std::min<std::size_t>(8, report.size() - 1), report.begin() + 1);
    wire_.push_back({WireRecord::Kind::GetFeature, {report.begin(), report.end()}});
    return true;
}

void SimulatedMouse::output(std::span<const std::uint8_t> report) {
    wire_.push_back({WireRecord::Kind::Output, {report.begin(), report.end()}});
    if (chunksExpected_ == 0) return;
    std::array<std::uint8_t, 32> chunk{};
    if (report.size() > 1) std::copy_n(report.begin() + 1, std::min<std::size_t>(32, report.size() - 1), chunk.begin());
    blockData_.insert(blockData_.end(), chunk.begin(), chunk.end());
    if (--chunksExpected_ == 0) storeBlock();
}

void SimulatedMouse::storeBlock() {
    const auto target = blockTarget(state_, blockCommand_);
    const std::size_t count = std::min<std::size_t>({target.size(), blockCommand_[packet::kLength], blockData_.size()});
    std::copy_n(blockData_.begin(), count, target.begin());
}

std::size_t SimulatedMouse::input(std::span<std::uint8_t> report) {
    if (pendingInput_.empty() || report.empty()) {
        wire_.push_back({WireRecord::Kind::Input, {}});
        return 0;
    }
    const auto chunk = pendingInput_.front();
    pendingInput_.pop_front();
    report[0] = hostile_.reportId;
    std::size_t length = std::min<std::size_t>(report.size(), 33);
    std::copy_n(chunk.begin(), length - 1, report.begin() + 1);
    if (hostile_.shortAnswers) {
        length = std::min<std::size_t>(length, 5);
        std::fill(report.begin() + static_cast<std::ptrdiff_t>(length), report.end(), kNoise);
    }
    wire_.push_back({WireRecord::Kind::Input, {report.begin(), report.begin() + static_cast<std::ptrdiff_t>(length)}});
    return length;
}

void SimulatedMouse::powerCycle() {
    scrambling_ = false;
    pendingAnswer_ = {};
    pendingInput_.clear();
    chunksExpected_ = 0;
}

void SimulatedMouse::clearRecords() {
    wire_.clear();
    commands_.clear();
    badChecksums_.clear();
}

}  // namespace tarvik::simulator
