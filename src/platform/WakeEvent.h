// A manual-reset event that a blocking event read can wait on beside the device: set wakes
// every waiter until reset. Backed by an eventfd so it can be polled with a HID node.
#pragma once

namespace tarvik::platform {

class WakeEvent {
public:
    WakeEvent();
    ~WakeEvent();
    WakeEvent(const WakeEvent&) = delete;
    WakeEvent& operator=(const WakeEvent&) = delete;

    void set();
    void reset();
    bool isSet() const;
    // Blocks until the event is set.
    void wait() const;
    // Pollable descriptor: readable while the event is set.
    int fd() const { return fd_; }

private:
    int fd_ = -1;
};

}  // namespace tarvik::platform
