// The thread that reads the mouse's event collection and turns its reports (DPI stage, report
// rate, key matrix, macro switched on the mouse) into notices. It blocks on the report and
// the `deviceEvent` wake-up together and never polls.
#pragma once

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <span>
#include <thread>

#include "device/DeviceLink.h"
#include "platform/UserSink.h"

namespace tarvik {

constexpr std::uint8_t kEventReportId = 6;
constexpr std::size_t kEventBufferSize = 40;

class EventListener {
public:
    // The thread starts suspended: nothing is read until resume().
    EventListener(DeviceLink& link, platform::UserSink& sink);
    // Stops and joins the thread.
    ~EventListener();
    EventListener(const EventListener&) = delete;
    EventListener& operator=(const EventListener&) = delete;

    // Lets the thread run; later calls do nothing.
    void resume();
    // Ends the thread and waits for it. Must not be called from the thread that handles
    // notices while a notice may be pending (the listener waits for that notice's handling).
    void stop();

private:
    void run();
    void listen();
    void handleReport(std::span<const std::uint8_t> report);

    DeviceLink& link_;
    platform::UserSink& sink_;
    std::mutex mutex_;
    std::condition_variable resumed_;
    bool running_ = false;
    std::atomic<bool> stopping_{false};
    std::thread thread_;  // last: starts once everything above exists
};

}  // namespace tarvik
