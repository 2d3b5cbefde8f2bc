// The handshake: the magic goes out and must come back in answer bytes 1-4.
#include "device/Handshake.h"

#include <algorithm>
#include <array>

#include "device/ScrambleKey.h"
#include "device/Transport.h"

namespace tarvik {
namespace {

// One attempt with the link's current scrambling state; bytes 0, 5, 6 and 7 of the answer
// are not looked at.
bool attemptMatches(DeviceLink& link, platform::Clock& clock) {
    std::array<std::uint8_t, kCommandReportBuffer> report{};
    sendPacket(link, report, kHandshakePacket);
    clock.sleepMs(kHandshakePauseMs);
    const CommandPacket answer = receivePacket(link, report);
    return std::equal(answer.begin() + 1, answer.begin() + 5, kHandshakePacket.begin() + 1);
}

}  // namespace

void Handshake(DeviceLink& link, platform::Clock& clock, platform::UserSink& sink) {
    link.scrambled = false;
    // A mouse that answers the plain handshake is not one we can drive.
    bool accepted = false;
    if (!attemptMatches(link, clock)) {
        link.scrambleKey = scrambleKey();
        link.scrambled = true;
        accepted = attemptMatches(link, clock);
    }
    link.scrambled = accepted;
    link.connected = accepted ? 1 : 0;
    link.deviceEvent.set();
    if (accepted && link.keyObserver) link.keyObserver(link.scrambleKey);
    sink.notice(noticeNumber(accepted ? NoticeCode::MouseFound : NoticeCode::MouseNotFound), 0);
}

}  // namespace tarvik
