// The 8-byte command packet: opcode, index, length or parameter, four parameters, checksum;
// and the number of 32-byte chunks that follow a block command.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

namespace tarvik {

using CommandPacket = std::array<std::uint8_t, 8>;

constexpr std::size_t kChunkSize = 32;
constexpr std::uint8_t kReadBit = 0x80;

namespace packet {
constexpr std::size_t kOpcode = 0;
constexpr std::size_t kIndex = 1;
constexpr std::size_t kLength = 2;
constexpr std::size_t kChecksum = 7;
}  // namespace packet

// 0xFF minus the sum of bytes 0-6, modulo 256.
constexpr std::uint8_t packetChecksum(std::span<const std::uint8_t, 8> bytes) {
    unsigned sum = 0;
    for (std::size_t i = 0; i < packet::kChecksum; ++i) sum += bytes[i];
    return static_cast<std::uint8_t>(0xFF - (sum & 0xFF));
}

constexpr void setChecksum(std::span<std::uint8_t, 8> bytes) { bytes[packet::kChecksum] = packetChecksum(bytes); }

constexpr bool isReadCommand(const CommandPacket& p) { return (p[packet::kOpcode] & kReadBit) != 0; }

// Chunks that carry `length` data bytes: ceil(length / 32); 0 bytes take no chunk.
constexpr std::size_t chunkCount(std::size_t length) { return (length + kChunkSize - 1) / kChunkSize; }

// A packet from its first seven bytes; the transport fills in the checksum when sending.
constexpr CommandPacket makePacket(std::uint8_t opcode, std::uint8_t b1 = 0, std::uint8_t b2 = 0, std::uint8_t b3 = 0,
                                   std::uint8_t b4 = 0, std::uint8_t b5 = 0, std::uint8_t b6 = 0) {
    return CommandPacket{opcode, b1, b2, b3, b4, b5, b6, 0};
}

}  // namespace tarvik
