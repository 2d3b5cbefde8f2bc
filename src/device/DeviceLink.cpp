// Handle swaps of the device link that the listener thread may observe.
#include "device/DeviceLink.h"

namespace tarvik {

void DeviceLink::setEventReader(std::shared_ptr<platform::HidHandle> handle, std::uint16_t inputLength) {
    std::lock_guard lock(eventMutex_);
    eventReadHandle_ = std::move(handle);
    eventInputLength_ = inputLength;
}

std::shared_ptr<platform::HidHandle> DeviceLink::eventReader(std::uint16_t* inputLength) const {
    std::lock_guard lock(eventMutex_);
    if (inputLength) *inputLength = eventInputLength_;
    return eventReadHandle_;
}

void DeviceLink::closeAll() {
    featureHandle.reset();
    eventWriteHandle.reset();
    setEventReader(nullptr, 0);
}

}  // namespace tarvik
