// One function per opcode of the command set, with the diagnostic trace lines of each.
#include "device/Commands.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <string>

#include "device/Transport.h"

namespace tarvik {
namespace {

// Data areas as the sequences size them: a color block is read into 128 bytes, a macro
// slot travels in 140 bytes; the transport never goes past either.
constexpr std::size_t kColorArea = 128;
constexpr std::size_t kMacroArea = 140;

std::uint8_t u8(int v) { return static_cast<std::uint8_t>(v); }

std::span<std::uint8_t> macroSlotBytes(DeviceImage& image, int slot) {
    return std::span(image.macroImage).subspan(static_cast<std::size_t>(slot - 1) * kMacroSlotBytes, kMacroSlotBytes);
}

std::span<std::uint8_t> keyMatrixBytes(DeviceImage& image, int matrix) {
    return std::span(image.keyMatrices).subspan(static_cast<std::size_t>(matrix - 1) * kKeyMatrixSize, kKeyMatrixSize);
}

// Copies the first `length` bytes of an answer's data into `target`, never more than it holds.
void keepAnswerData(std::span<const std::uint8_t> area, std::uint8_t length, std::span<std::uint8_t> target) {
    const std::size_t count = std::min<std::size_t>({length, target.size(), area.size()});
    std::copy_n(area.begin(), count, target.begin());
}

void traceSensorSettings(DeviceContext& ctx) {
    const auto& s = ctx.image.sensorSettings;
    char line[96];
    std::snprintf(line, sizeof line, "Sensor Type:%02x\n,,Rate:%02x\n,Option1:%02x\n,Option2:%02x\n", s[0], s[1], s[2],
                  s[3]);
    ctx.sink.trace(line);
}

void traceEffect(DeviceContext& ctx) {
    const auto& e = ctx.image.lightEffect;
    char line[64];
    std::snprintf(line, sizeof line, "Effect:%02x\n,Option1:%02x\n,Option2:%02x\n", e[0], e[1], e[2]);
    ctx.sink.trace(line);
}

// "Write KeyMatrix[m]:" and the 16 entries as little-endian 32-bit values.
void traceKeyMatrix(DeviceContext& ctx, int matrix) {
    const auto bytes = keyMatrixBytes(ctx.image, matrix);
    char part[32];
    std::snprintf(part, sizeof part, "Write KeyMatrix[%d]:\n", matrix);
    std::string line = part;
    for (std::size_t e = 0; e < 16; ++e) {
        const auto* b = &bytes[4 * e];
        const unsigned value = b[0] | (b[1] << 8) | (b[2] << 16) | (static_cast<unsigned>(b[3]) << 24);
        std::snprintf(part, sizeof part, e == 0 ? "%08x\n" : " %08x\n", value);
        line += part;
    }
    ctx.sink.trace(line);
}

}  // namespace

void writeReportRate(DeviceContext& ctx, std::uint8_t reportRateCode) {
    CommandPacket p = makePacket(opcode::kWriteReportRate, reportRateCode);
    SendCommand(ctx.link, p);
}

void writeSensorSettings(DeviceContext& ctx) {
    const auto& s = ctx.image.sensorSettings;
    CommandPacket p = makePacket(opcode::kWriteSensorSettings, s[0], s[1], s[2], s[3]);
    SendCommand(ctx.link, p);
}

void readSensorSettings(DeviceContext& ctx) {
    CommandPacket p = makePacket(opcode::kReadSensorSettings);
    SendCommand(ctx.link, p);
    std::copy_n(p.begin() + 1, 4, ctx.image.sensorSettings.begin());
    traceSensorSettings(ctx);
}

void writeLightOptionSet(DeviceContext& ctx, std::uint8_t set) {
    if (set > 1) return;
    const auto& o = ctx.image.lightOptionSets[set];
    CommandPacket p = makePacket(opcode::kWriteLightOptionSet, set, o[0], o[1], o[2]);
    SendCommand(ctx.link, p);
}

void readLightOptionSet(DeviceContext& ctx, CommandPacket& packet, std::uint8_t set) {
    packet[packet::kOpcode] = opcode::kReadLightOptionSet;
    packet[packet::kIndex] = set;
    SendCommand(ctx.link, packet);
    const std::uint8_t answered = packet[packet::kIndex];
    if (answered > 1) return;
    std::copy_n(packet.begin() + 2, 3, ctx.image.lightOptionSets[answered].begin());
}

void writeEffect(DeviceContext& ctx) {
    const auto& e = ctx.image.lightEffect;
    CommandPacket p = makePacket(opcode::kWriteEffect, e[0], e[1], e[2]);
    SendCommand(ctx.link, p);
}

void readEffect(DeviceContext& ctx) {
    CommandPacket p = makePacket(opcode::kReadEffect);
    SendCommand(ctx.link, p);
    std::copy_n(p.begin() + 1, 3, ctx.image.lightEffect.begin());
    traceEffect(ctx);
}

void writeColorBlock(DeviceContext& ctx, std::uint8_t block) {
    if (block > 1) return;
    std::array<std::uint8_t, kColorArea> area{};
    std::ranges::copy(ctx.image.colorBlocks[block], area.begin());
    CommandPacket p = makePacket(opcode::kWriteColorBlock, block, u8(kColorBlockSize));
    TransferBlock(ctx.link, ctx.clock, p, area);
}

void readColorBlock(DeviceContext& ctx, std::uint8_t block) {
    std::array<std::uint8_t, kColorArea> area{};
    CommandPacket p = makePacket(opcode::kReadColorBlock, block);
    TransferBlock(ctx.link, ctx.clock, p, area);
    const std::uint8_t answered = p[packet::kIndex];
    if (answered > 1) return;
    keepAnswerData(area, p[packet::kLength], ctx.image.colorBlocks[answered]);
}

void writeDpiCodes(DeviceContext& ctx) {
    CommandPacket p = makePacket(opcode::kWriteDpiCodes, 4, u8(ctx.image.dpiCodes.size()));
    TransferBlock(ctx.link, ctx.clock, p, ctx.image.dpiCodes);
}

void writeKeyMatrix(DeviceContext& ctx, int matrix) {
    if (matrix < 1 || matrix > kKeyMatrices) return;
    traceKeyMatrix(ctx, matrix);
    CommandPacket p = makePacket(opcode::kWriteKeyMatrix, u8(matrix), u8(kKeyMatrixSize));
    TransferBlock(ctx.link, ctx.clock, p, keyMatrixBytes(ctx.image, matrix));
}

void writeMacroSlot(DeviceContext& ctx, int slot) {
    if (slot < 1 || slot > kMacroSlots) return;
    std::array<std::uint8_t, kMacroArea> area{};
    std::ranges::copy(macroSlotBytes(ctx.image, slot), area.begin());
    CommandPacket p = makePacket(opcode::kWriteMacroSlot, u8(slot), u8(kMacroSlotBytes));
    TransferBlock(ctx.link, ctx.clock, p, area);
}

void readMacroSlot(DeviceContext& ctx, int slot) {
    std::array<std::uint8_t, kMacroArea> area{};
    CommandPacket p = makePacket(opcode::kReadMacroSlot, u8(slot));
    TransferBlock(ctx.link, ctx.clock, p, area);
    const int answered = p[packet::kIndex];
    if (answered < 1 || answered > kMacroSlots) return;
    keepAnswerData(area, p[packet::kLength], macroSlotBytes(ctx.image, answered));
}

}  // namespace tarvik
