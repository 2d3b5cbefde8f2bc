// The listener loop: wait for `connected` and an event reader, read one report or a wake-up,
// hand the switch codes to the sink and wait for them to be handled.
#include "device/EventListener.h"

#include <algorithm>
#include <array>

#include "device/NoticeCode.h"

namespace tarvik {
namespace {

bool isSwitchCode(std::uint8_t number) {
    const NoticeCode code = noticeCode(number);
    return code == NoticeCode::ReportRate || code == NoticeCode::DpiStage || code == NoticeCode::KeyMatrix ||
           code == NoticeCode::MacroKey;
}

// Report id, code, unused, value.
constexpr std::size_t kMinimumReport = 4;

}  // namespace

EventListener::EventListener(DeviceLink& link, platform::UserSink& sink)
    : link_(link), sink_(sink), thread_([this] { run(); }) {}

EventListener::~EventListener() { stop(); }

void EventListener::resume() {
    std::lock_guard lock(mutex_);
    running_ = true;
    resumed_.notify_all();
}

void EventListener::stop() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
        resumed_.notify_all();
    }
    link_.deviceEvent.set();
    if (thread_.joinable()) thread_.join();
}

void EventListener::run() {
    {
        std::unique_lock lock(mutex_);
        resumed_.wait(lock, [this] { return running_ || stopping_; });
    }
    listen();
}

void EventListener::listen() {
    std::array<std::uint8_t, kEventBufferSize> buffer{};
    while (!stopping_) {
        link_.deviceEvent.reset();
        if (stopping_) break;
        std::uint16_t length = 0;
        auto reader = link_.eventReader(&length);
        length = static_cast<std::uint16_t>(std::min<std::size_t>(length, buffer.size()));
        if (link_.connected != 1 || !reader || length == 0) {
            link_.deviceEvent.wait();
            continue;
        }
        const auto result = reader->readEvent(std::span(buffer).first(length), link_.deviceEvent);
        reader.reset();
        if (stopping_) break;
        // An unplugged device fails every read at once: sleep until discovery signals.
        if (result.status == platform::HidEventRead::Status::Gone) {
            link_.deviceEvent.wait();
            continue;
        }
        if (link_.connected == 0 || result.status != platform::HidEventRead::Status::Report) continue;
        handleReport(std::span(buffer).first(std::min<std::size_t>(result.length, length)));
    }
}

void EventListener::handleReport(std::span<const std::uint8_t> report) {
    if (report.size() < kMinimumReport || report[0] != kEventReportId || !isSwitchCode(report[1])) return;
    sink_.notice(report[1], report[3]);
}

}  // namespace tarvik
