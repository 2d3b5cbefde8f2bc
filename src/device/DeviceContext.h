// What the command set and its sequences work on: the open link, the clock for the protocol
// pauses, the user sink for notices and trace lines, and the device-side image.
#pragma once

#include "device/DeviceImage.h"
#include "device/DeviceLink.h"
#include "platform/Clock.h"
#include "platform/UserSink.h"

namespace tarvik {

struct DeviceContext {
    DeviceLink& link;
    platform::Clock& clock;
    platform::UserSink& sink;
    DeviceImage& image;
};

}  // namespace tarvik
