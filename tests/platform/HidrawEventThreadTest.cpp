// An event read blocked on another thread ends when the wake-up event is set or a report
// arrives, as the event listener relies on.
#include <gtest/gtest.h>
#include <sys/socket.h>

#include <array>
#include <future>

#include "platform/WakeEvent.h"
#include "platform/linux/HidrawBackend.h"

namespace tarvik::platform {
namespace {

TEST(HidrawEventRead, BlockedReadEndsFromAnotherThread) {
    for (const bool byWake : {true, false}) {
        SCOPED_TRACE(byWake ? "wake-up" : "report");
        std::array<int, 2> fds{};
        ASSERT_EQ(::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC, 0, fds.data()), 0);
        UniqueFd peer(fds[1]);
        HidrawHandle handle{UniqueFd(fds[0]), true};
        WakeEvent wake;
        std::array<std::uint8_t, 40> buffer{};
        auto reader = std::async(std::launch::async, [&] { return handle.readEvent(buffer, wake); });
        if (byWake) {
            wake.set();
        } else {
            const std::array<std::uint8_t, 4> report{0x06, 0x07, 0x00, 0x03};
            ASSERT_EQ(::write(peer.get(), report.data(), report.size()), 4);
        }
        const HidEventRead result = reader.get();
        EXPECT_EQ(result.status, byWake ? HidEventRead::Status::Woken : HidEventRead::Status::Report);
        if (!byWake) {
            EXPECT_EQ(buffer[3], 0x03);
        }
    }
}

}  // namespace
}  // namespace tarvik::platform
