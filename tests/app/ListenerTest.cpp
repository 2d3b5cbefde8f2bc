// The event listener of the windowed program's device session on the simulated mouse: reports
// become balloons, an unplug puts the listener to sleep and a replug wakes it. Runs under TSan.
#include <gtest/gtest.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

#include "platform/fake/FakeClock.h"
#include "session/LinkSession.h"
#include "session/Notices.h"
#include "session/SimulatedMonitor.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {
namespace {

using Kind = platform::DeviceChange::Kind;
using Role = simulator::SimInterface::Role;

class Texts : public NoticeTexts {
public:
    std::string text(TextRow row) const override { return "row" + std::to_string(static_cast<int>(row)) + ":"; }
    std::string dpiName(int stage) const override { return "stage" + std::to_string(stage); }
};

// Turns every notice into its balloon text, as the window does, from whichever thread sends it.
class BalloonSink : public platform::UserSink {
public:
    void message(const std::string&, const std::string&) override {}
    void notice(int code, int value) override {
        std::lock_guard lock(mutex_);
        if (auto balloon = balloonFor(code, value, texts_)) texts.push_back(balloon->text);
        changed_.notify_all();
    }
    // Waits (bounded) until `count` balloons were shown.
    bool waitFor(std::size_t count) {
        std::unique_lock lock(mutex_);
        return changed_.wait_for(lock, std::chrono::seconds(10), [&] { return texts.size() >= count; });
    }
    std::vector<std::string> shown() {
        std::lock_guard lock(mutex_);
        return texts;
    }

private:
    Texts texts_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::string> texts;
};

class ListenerTest : public ::testing::Test {
protected:
    ListenerTest() : session(sim, &monitor, clock) { session.attachSink(sink); }
    void replug() {
        sim.replug();
        monitor.push(sim.change(Kind::Arrival, Role::Command));
        EXPECT_EQ(session.serviceMonitor(), DeviceSession::Change::Found);
    }

    simulator::SimulatorBackend sim;
    SimulatedMonitor monitor;
    platform::FakeClock clock;
    BalloonSink sink;
    LinkSession session;
};

TEST_F(ListenerTest, ReportsBecomeBalloonsAcrossUnplugAndReplug) {
    session.findAndHandshake();
    ASSERT_TRUE(session.connected());
    session.createListener();
    session.resumeListener();
    ASSERT_TRUE(sink.waitFor(1));  // 14: detected

    ASSERT_TRUE(sim.emitEvent(7, 2));
    ASSERT_TRUE(sink.waitFor(2));
    ASSERT_TRUE(sim.emitEvent(5, 3));              // no text: nothing shown
    ASSERT_TRUE(sim.emitReport({5, 7, 0, 2, 0}));  // another report id: ignored
    ASSERT_TRUE(sim.emitEvent(8, 1));
    ASSERT_TRUE(sink.waitFor(3));

    sim.unplug();
    monitor.push(sim.change(Kind::Removal, Role::Command));
    EXPECT_EQ(session.serviceMonitor(), DeviceSession::Change::Lost);
    EXPECT_FALSE(session.connected());
    EXPECT_FALSE(sim.emitEvent(9, 1));

    replug();
    ASSERT_TRUE(sim.emitEvent(9, 12));
    ASSERT_TRUE(sink.waitFor(6));  // 15 at the unplug, 14 at the replug, then the macro
    EXPECT_EQ(sink.shown(),
              (std::vector<std::string>{"row68:", "row58:stage2", "row61:", "row67:", "row68:", "row65:12"}));
    session.teardown();
}

TEST_F(ListenerTest, WithoutTheMouseTheListenerWaitsForTheFirstArrival) {
    sim.unplug();
    session.findAndHandshake();
    EXPECT_FALSE(session.connected());
    session.createListener();
    EXPECT_FALSE(session.listenerResumed());

    replug();
    EXPECT_TRUE(session.listenerResumed());
    ASSERT_TRUE(sim.emitEvent(7, 1));
    ASSERT_TRUE(sink.waitFor(3));  // 15, 14, then the DPI stage
    EXPECT_EQ(sink.shown().back(), "row57:stage1");
    session.teardown();
}

}  // namespace
}  // namespace tarvik
