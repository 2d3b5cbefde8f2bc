// The listener thread against the simulated event collection: which reports become notices,
// sleeping while the mouse is gone, resuming after a replug, and a clean stop.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <thread>

#include "device/Discovery.h"
#include "device/EventListener.h"
#include "device/Handshake.h"
#include "platform/fake/FakeClock.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {
namespace {

using Notice = std::pair<int, int>;
using namespace std::chrono_literals;

// Records notices and lets the test wait for them; a generous limit keeps a broken listener
// from hanging the test.
class WaitingSink : public platform::UserSink {
public:
    void message(const std::string&, const std::string&) override {}
    void notice(int code, int value) override {
        std::lock_guard lock(mutex_);
        notices_.emplace_back(code, value);
        changed_.notify_all();
    }
    bool waitFor(Notice wanted) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, 10s, [&] { return std::ranges::find(notices_, wanted) != notices_.end(); });
    }
    std::vector<Notice> notices() {
        std::lock_guard lock(mutex_);
        return notices_;
    }
    void clear() {
        std::lock_guard lock(mutex_);
        notices_.clear();
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<Notice> notices_;
};

// Counts event reads, to tell a listener that sleeps from one that spins on a dead handle.
class CountingBackend : public platform::HidBackend {
public:
    explicit CountingBackend(platform::HidBackend& inner) : inner_(inner) {}
    std::atomic<int> eventReads{0};

    std::optional<std::vector<std::string>> enumerate() override { return inner_.enumerate(); }
    std::optional<platform::HidIdentity> identity(const std::string& p) override { return inner_.identity(p); }
    std::optional<platform::HidCapabilities> capabilities(const std::string& p) override {
        return inner_.capabilities(p);
    }
    std::unique_ptr<platform::HidHandle> open(const std::string& p, platform::HidAccess a) override {
        auto inner = inner_.open(p, a);
        if (!inner) return nullptr;
        return std::make_unique<Handle>(std::move(inner), eventReads);
    }

private:
    struct Handle : platform::HidHandle {
        Handle(std::unique_ptr<platform::HidHandle> h, std::atomic<int>& n) : inner(std::move(h)), reads(n) {}
        bool setFeature(std::span<const std::uint8_t> r) override { return inner->setFeature(r); }
        bool getFeature(std::span<std::uint8_t> r) override { return inner->getFeature(r); }
        std::size_t read(std::span<std::uint8_t> r) override { return inner->read(r); }
        bool write(std::span<const std::uint8_t> r) override { return inner->write(r); }
        platform::HidEventRead readEvent(std::span<std::uint8_t> r, platform::WakeEvent& w) override {
            ++reads;
            return inner->readEvent(r, w);
        }
        std::unique_ptr<platform::HidHandle> inner;
        std::atomic<int>& reads;
    };
    platform::HidBackend& inner_;
};

struct ListenerRig {
    simulator::SimulatorBackend simulator;
    CountingBackend backend{simulator};
    DeviceLink link;
    platform::FakeClock clock;
    WaitingSink sink;
    EventListener listener{link, sink};

    void connect() {
        ASSERT_TRUE(FindMouse(link, backend, sink));
        Handshake(link, clock, sink);
        ASSERT_EQ(link.connected.load(), 1);
        sink.clear();
    }
    // A report that always gives a notice: everything sent before it has been dealt with
    // once its notice arrives.
    std::vector<Notice> noticesUpToSentinel() {
        EXPECT_TRUE(simulator.emitEvent(9, 0xFF));
        EXPECT_TRUE(sink.waitFor({9, 0xFF}));
        auto notices = sink.notices();
        EXPECT_EQ(notices.back(), Notice(9, 0xFF));
        notices.pop_back();
        sink.clear();
        return notices;
    }
};

TEST(EventListener, OnlySwitchReportsWithId6BecomeNotices) {
    struct Case {
        const char* name;
        std::vector<std::uint8_t> report;
        std::vector<Notice> notices;
    };
    const Case cases[] = {
        {"DPI stage 2", {0x06, 0x07, 0xAA, 0x02, 0x00}, {{7, 2}}},
        {"report rate", {0x06, 0x05, 0x00, 0x08, 0x00}, {{5, 8}}},
        {"key matrix (any value)", {0x06, 0x08, 0x00, 0x03, 0x00}, {{8, 3}}},
        {"macro 12", {0x06, 0x09, 0x00, 0x0C, 0x00}, {{9, 12}}},
        {"report id 5", {0x05, 0x07, 0x00, 0x02, 0x00}, {}},
        {"code 3", {0x06, 0x03, 0x00, 0x01, 0x00}, {}},
        {"short report", {0x06, 0x07, 0x00}, {}},
    };
    ListenerRig rig;
    rig.connect();
    rig.listener.resume();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(rig.simulator.emitReport(c.report));
        EXPECT_EQ(rig.noticesUpToSentinel(), c.notices);
    }
}

TEST(EventListener, StopJoinsWhetherSuspendedOrBlockedInARead) {
    for (bool resumed : {false, true}) {
        SCOPED_TRACE(resumed);
        ListenerRig rig;
        rig.connect();
        if (resumed) {
            rig.listener.resume();
            rig.listener.resume();  // a second resume changes nothing
            EXPECT_TRUE(rig.noticesUpToSentinel().empty());
        }
        rig.listener.stop();
        // Suspended, it never read; resumed, it may be stopped inside its next read or before it.
        if (resumed) {
            EXPECT_GE(rig.backend.eventReads.load(), 1);
        } else {
            EXPECT_EQ(rig.backend.eventReads.load(), 0);
        }
    }
}

// Unplugged, the listener sleeps on the wake-up event instead of retrying the dead handle;
// after the mouse comes back it reads the new event collection.
TEST(EventListener, SleepsWhileUnpluggedAndResumesAfterReplug) {
    ListenerRig rig;
    rig.connect();
    rig.listener.resume();
    EXPECT_TRUE(rig.noticesUpToSentinel().empty());
    rig.simulator.unplug();
    std::this_thread::sleep_for(50ms);  // a spinning listener would read thousands of times
    EXPECT_LE(rig.backend.eventReads.load(), 3);

    rig.simulator.replug();
    rig.connect();
    ASSERT_TRUE(rig.simulator.emitEvent(7, 4));
    EXPECT_EQ(rig.noticesUpToSentinel(), (std::vector<Notice>{{7, 4}}));
}

// Replugs through the device-change handler while the listener runs: the thread never
// holds on to an old connection, and each new one delivers its events.
TEST(EventListener, KeepsDeliveringAcrossReplugsWithoutLeakingHandles) {
    ListenerRig rig;
    DeviceImage image;
    DeviceContext ctx{rig.link, rig.clock, rig.sink, image};
    DiscoveryHooks hooks{{}, [&] { rig.listener.resume(); }, [] { return false; }};
    using Kind = platform::DeviceChange::Kind;
    using Role = simulator::SimInterface::Role;
    for (int i = 0; i < 20; ++i) {
        SCOPED_TRACE(i);
        rig.simulator.replug();
        OnDeviceChange(rig.simulator.change(Kind::Arrival, Role::Event), rig.backend, ctx, hooks);
        OnDeviceChange(rig.simulator.change(Kind::Arrival, Role::Command), rig.backend, ctx, hooks);
        rig.sink.clear();
        ASSERT_TRUE(rig.simulator.emitEvent(8, 1));
        EXPECT_EQ(rig.noticesUpToSentinel(), (std::vector<Notice>{{8, 1}}));
        rig.simulator.unplug();
        OnDeviceChange(rig.simulator.change(Kind::Removal, Role::Command), rig.backend, ctx, hooks);
    }
    rig.listener.stop();
    EXPECT_EQ(rig.simulator.openHandles(), 3);
}

}  // namespace
}  // namespace tarvik
