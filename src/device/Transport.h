// Moving command packets and data chunks over the command collection: feature reports for the
// packets (scrambled when the handshake asked for it), output and input reports for the chunks.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

#include "device/CommandPacket.h"
#include "device/DeviceLink.h"
#include "platform/Clock.h"

namespace tarvik {

// Report buffers, report id included. Longer reports than these are not supported: the
// lengths handed to the device are clamped so nothing is written or read past a buffer.
constexpr std::size_t kCommandReportBuffer = 16;
constexpr std::size_t kBlockReportBuffer = 40;
constexpr unsigned kChunkPauseMs = 3;

// Sends one packet (checksum computed here, whatever byte 7 held). A read command's answer
// replaces `packet`; with the mouse gone the answer is the cleared buffer, unscrambled like
// any answer. Returns the set-feature result, which callers are free to ignore.
bool SendCommand(DeviceLink& link, CommandPacket& packet);

// Sends a packet followed by its data chunks (write) or takes the answer and then its chunks
// (read). The chunk count comes from byte 2 of the request (write) or of the answer (read).
// Only `data` is ever touched: a longer answer fills the area and no more, a shorter area
// is sent padded with zeros. 3 ms pass after each written chunk.
void TransferBlock(DeviceLink& link, platform::Clock& clock, CommandPacket& packet, std::span<std::uint8_t> data);

// Feature report length of the command collection, clamped to `bufferSize`.
std::size_t clampedFeatureLength(const DeviceLink& link, std::size_t bufferSize);

// Puts report id 0 and the packet (with its checksum, scrambled if the link says so) into
// `report` and sets it as a feature report. Returns the set-feature result.
bool sendPacket(DeviceLink& link, std::span<std::uint8_t> report, const CommandPacket& packet);
// Gets a feature report into `report` and returns its packet bytes, unscrambled if the link
// says so. A failed get yields the cleared buffer.
CommandPacket receivePacket(DeviceLink& link, std::span<std::uint8_t> report);

}  // namespace tarvik
