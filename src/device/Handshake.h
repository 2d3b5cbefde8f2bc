// Negotiating the command channel: a plain attempt, then a scrambled one; only a mouse that
// answers the scrambled handshake is used.
#pragma once

#include "device/CommandPacket.h"
#include "device/DeviceLink.h"
#include "device/NoticeCode.h"
#include "platform/Clock.h"
#include "platform/UserSink.h"

namespace tarvik {

inline constexpr CommandPacket kHandshakePacket = makePacket(0x00, 0xAA, 0xDD, 0x3B, 0x62);
constexpr unsigned kHandshakePauseMs = 5;

// Sets `scrambled`, `scrambleKey` and `connected`, sends the notice MouseFound or
// MouseNotFound, and signals `deviceEvent` so a listener that went back to sleep before
// `connected` was set starts reading.
void Handshake(DeviceLink& link, platform::Clock& clock, platform::UserSink& sink);

}  // namespace tarvik
