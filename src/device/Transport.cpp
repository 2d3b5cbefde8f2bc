// Packet and chunk transfers on the command collection.
#include "device/Transport.h"

#include <algorithm>

#include "device/Scrambler.h"

namespace tarvik {
namespace {

std::span<std::uint8_t, 8> packetBytes(std::span<std::uint8_t> report) { return report.subspan<1, 8>(); }

std::size_t clampedChunkLength(std::uint16_t length) { return std::min<std::size_t>(length, kBlockReportBuffer); }

// Copies chunk k of `data` into report bytes 1-32; what the area does not hold stays zero.
void fillChunk(std::span<std::uint8_t> report, std::span<const std::uint8_t> data, std::size_t k) {
    const std::size_t start = k * kChunkSize;
    if (start >= data.size()) return;
    const std::size_t count = std::min(kChunkSize, data.size() - start);
    std::copy_n(data.begin() + static_cast<std::ptrdiff_t>(start), count, report.begin() + 1);
}

void writeChunks(DeviceLink& link, platform::Clock& clock, std::span<std::uint8_t> report,
                 std::span<const std::uint8_t> data, std::size_t chunks) {
    const std::size_t length = clampedChunkLength(link.commandOutputLength);
    for (std::size_t k = 0; k < chunks; ++k) {
        std::ranges::fill(report, 0);
        fillChunk(report, data, k);
        link.answers.transfer(link.featureHandle && link.featureHandle->write(report.first(length)));
        clock.sleepMs(kChunkPauseMs);
    }
}

// Reads no more chunks than the caller's area holds: an answer whose length byte asks for
// more than that has its extra data ignored rather than written past the area.
void readChunks(DeviceLink& link, std::span<std::uint8_t> report, std::span<std::uint8_t> data, std::size_t chunks) {
    const std::size_t length = clampedChunkLength(link.commandInputLength);
    for (std::size_t k = 0; k < chunks && k * kChunkSize < data.size(); ++k) {
        std::ranges::fill(report, 0);
        const std::size_t got = link.featureHandle ? link.featureHandle->read(report.first(length)) : 0;
        link.answers.transfer(got > 0);
        // A short or failed read gives zeros past what arrived, never stale bytes.
        std::fill(report.begin() + static_cast<std::ptrdiff_t>(std::min(got, length)), report.end(), 0);
        const std::size_t start = k * kChunkSize;
        const std::size_t count = std::min(kChunkSize, data.size() - start);
        std::copy_n(report.begin() + 1, count, data.begin() + static_cast<std::ptrdiff_t>(start));
    }
}

}  // namespace

std::size_t clampedFeatureLength(const DeviceLink& link, std::size_t bufferSize) {
    return std::min<std::size_t>(link.featureReportLength, std::min(bufferSize, kCommandReportBuffer));
}

bool sendPacket(DeviceLink& link, std::span<std::uint8_t> report, const CommandPacket& packet) {
    std::ranges::fill(report, 0);
    auto body = packetBytes(report);
    std::ranges::copy(packet, body.begin());
    setChecksum(body);
    if (link.scrambled) Scramble(body, link.scrambleKey);
    link.answers.commandSent();
    const bool sent =
        link.featureHandle && link.featureHandle->setFeature(report.first(clampedFeatureLength(link, report.size())));
    link.answers.transfer(sent);
    return sent;
}

CommandPacket receivePacket(DeviceLink& link, std::span<std::uint8_t> report) {
    std::ranges::fill(report, 0);
    const bool got =
        link.featureHandle && link.featureHandle->getFeature(report.first(clampedFeatureLength(link, report.size())));
    link.answers.transfer(got);
    if (!got) std::ranges::fill(report, 0);
    auto body = packetBytes(report);
    if (link.scrambled) Unscramble(body, link.scrambleKey);
    CommandPacket answer{};
    std::ranges::copy(body, answer.begin());
    return answer;
}

bool SendCommand(DeviceLink& link, CommandPacket& packet) {
    std::array<std::uint8_t, kCommandReportBuffer> report{};
    const bool sent = sendPacket(link, report, packet);
    if (!isReadCommand(packet)) return sent;
    packet = receivePacket(link, report);
    return sent;
}

void TransferBlock(DeviceLink& link, platform::Clock& clock, CommandPacket& packet, std::span<std::uint8_t> data) {
    std::array<std::uint8_t, kBlockReportBuffer> report{};
    sendPacket(link, report, packet);
    if (isReadCommand(packet)) {
        packet = receivePacket(link, report);
        readChunks(link, report, data, chunkCount(packet[packet::kLength]));
    } else {
        writeChunks(link, clock, report, data, chunkCount(packet[packet::kLength]));
    }
}

}  // namespace tarvik
