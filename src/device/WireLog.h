// A log of the traffic on the mouse's side: decorators over the HID backend and the clock
// that write one line per transfer and per protocol pause, and the scrambling key once a
// scrambled handshake succeeds. Lines: "SET_FEATURE <hex>", "GET_FEATURE <hex>",
// "OUTPUT <hex>", "INPUT <hex>" (whole report, report id first, lower-case hex),
// "PAUSE <ms>" and "KEY <hex>" (the six key characters).
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <ostream>
#include <span>
#include <string_view>

#include "device/DeviceLink.h"
#include "platform/Clock.h"
#include "platform/Hid.h"

namespace tarvik {

// The log must outlive everything it wraps. Safe to use from the listener thread too.
class WireLog {
public:
    explicit WireLog(std::ostream& out) : out_(out) {}

    std::unique_ptr<platform::HidBackend> wrap(platform::HidBackend& inner);
    std::unique_ptr<platform::Clock> wrap(platform::Clock& inner);
    // Logs the key of every later successful scrambled handshake on `link`.
    void watch(DeviceLink& link);

    void report(std::string_view kind, std::span<const std::uint8_t> bytes);
    void pause(unsigned ms);
    void key(const std::array<std::uint8_t, 8>& key);

private:
    std::mutex mutex_;
    std::ostream& out_;
};

}  // namespace tarvik
