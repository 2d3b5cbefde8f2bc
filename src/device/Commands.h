// The mouse's command set, one function per opcode. Each moves bytes between the mouse and
// the device-side image; none reports an error (with the mouse gone they pass silently).
// A set, block, matrix or slot number out of range sends nothing.
#pragma once

#include <cstdint>

#include "device/CommandPacket.h"
#include "device/DeviceContext.h"

namespace tarvik {

namespace opcode {
constexpr std::uint8_t kWriteReportRate = 0x01;
constexpr std::uint8_t kWriteSensorSettings = 0x03;
constexpr std::uint8_t kReadSensorSettings = 0x83;
constexpr std::uint8_t kWriteLightOptionSet = 0x07;
constexpr std::uint8_t kReadLightOptionSet = 0x87;
constexpr std::uint8_t kWriteEffect = 0x0D;
constexpr std::uint8_t kReadEffect = 0x8D;
constexpr std::uint8_t kWriteColorBlock = 0x10;
constexpr std::uint8_t kReadColorBlock = 0x90;
constexpr std::uint8_t kWriteDpiCodes = 0x11;
constexpr std::uint8_t kWriteKeyMatrix = 0x12;
constexpr std::uint8_t kWriteMacroSlot = 0x13;
constexpr std::uint8_t kReadMacroSlot = 0x93;
}  // namespace opcode

constexpr std::size_t kColorBlockSize = 24;
constexpr std::size_t kKeyMatrixSize = 64;
constexpr std::size_t kMacroSlotBytes = 128;
constexpr int kMacroSlots = 12;
constexpr int kKeyMatrices = 4;

// 0x01: the report rate code as given.
void writeReportRate(DeviceContext& ctx, std::uint8_t reportRateCode);
// 0x03 / 0x83: the four sensor bytes (type, rate, option 1, option 2).
void writeSensorSettings(DeviceContext& ctx);
void readSensorSettings(DeviceContext& ctx);
// 0x07 / 0x87: light option set 0 or 1. The read reuses the caller's packet, so a second
// request carries bytes 2-6 of the first answer; an answer naming no set is dropped.
void writeLightOptionSet(DeviceContext& ctx, std::uint8_t set);
void readLightOptionSet(DeviceContext& ctx, CommandPacket& packet, std::uint8_t set);
// 0x0D / 0x8D: the effect triple.
void writeEffect(DeviceContext& ctx);
void readEffect(DeviceContext& ctx);
// 0x10 / 0x90: color block 0 or 1 (24 bytes, one chunk). A read keeps at most 24 bytes and
// drops an answer naming no block.
void writeColorBlock(DeviceContext& ctx, std::uint8_t block);
void readColorBlock(DeviceContext& ctx, std::uint8_t block);
// 0x11: the 8 DPI code bytes.
void writeDpiCodes(DeviceContext& ctx);
// 0x12: KeyMatrix 1-4 (64 bytes, two chunks), traced before it goes out.
void writeKeyMatrix(DeviceContext& ctx, int matrix);
// 0x13 / 0x93: macro slot 1-12 (128 bytes, four chunks). A read keeps at most 128 bytes and
// drops an answer naming no slot.
void writeMacroSlot(DeviceContext& ctx, int slot);
void readMacroSlot(DeviceContext& ctx, int slot);

}  // namespace tarvik
