// The open connection to the mouse: collection handles, report lengths, the connected and
// scrambling state, and the wake-up event shared with the event listener thread.
#pragma once

#include <array>
#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>

#include "platform/Hid.h"
#include "platform/WakeEvent.h"

namespace tarvik {

constexpr std::uint16_t kMouseVendor = 0x04D9;
constexpr std::uint16_t kMouseProduct = 0xA09F;

// How the mouse answered since the tally was last reset: the transport counts every command
// packet it sends and whether each transfer of it went through (interface thread only).
struct AnswerTally {
    unsigned commands = 0;
    unsigned silentFrom = 0;  // the command from which every transfer failed; 0 while it answers

    void commandSent() { ++commands; }
    void transfer(bool ok) {
        if (ok) silentFrom = 0;
        else if (silentFrom == 0) silentFrom = commands;
    }
};

struct DeviceLink {
    std::string devicePath;
    std::unique_ptr<platform::HidHandle> featureHandle;
    std::unique_ptr<platform::HidHandle> eventWriteHandle;
    std::uint16_t featureReportLength = 0;
    std::uint16_t commandInputLength = 0;
    std::uint16_t commandOutputLength = 0;
    bool scrambled = false;
    std::array<std::uint8_t, 8> scrambleKey{};
    // Told the key once a scrambled handshake succeeds (the wire log records it); may be empty.
    std::function<void(const std::array<std::uint8_t, 8>&)> keyObserver;
    AnswerTally answers;

    // Shared with the listener thread: the flag is atomic, the event handle and its length
    // are swapped under the lock, and the listener keeps its own reference while it reads.
    std::atomic<int> connected{0};
    platform::WakeEvent deviceEvent;

    void setEventReader(std::shared_ptr<platform::HidHandle> handle, std::uint16_t inputLength);
    std::shared_ptr<platform::HidHandle> eventReader(std::uint16_t* inputLength = nullptr) const;
    // Closes every handle (teardown, or before a new scan replaces them).
    void closeAll();

private:
    mutable std::mutex eventMutex_;
    std::shared_ptr<platform::HidHandle> eventReadHandle_;
    std::uint16_t eventInputLength_ = 0;
};

}  // namespace tarvik
