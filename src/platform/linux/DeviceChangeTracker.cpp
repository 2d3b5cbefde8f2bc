// Device changes from hidraw events, with hardware ids remembered across a node's life.
#include "platform/linux/DeviceChangeTracker.h"

#include "platform/linux/HidId.h"

namespace tarvik::platform {
namespace {

std::optional<std::string> hardwareIdOf(std::optional<std::string_view> hidId) {
    if (!hidId) return std::nullopt;
    const auto id = parseHidId(*hidId);
    if (!id) return std::nullopt;
    return hardwareId(*id);
}

}  // namespace

void DeviceChangeTracker::remember(const std::string& devnode, std::optional<std::string_view> hidId) {
    if (auto id = hardwareIdOf(hidId)) known_[devnode] = std::move(*id);
}

std::optional<DeviceChange> DeviceChangeTracker::onEvent(std::string_view action, const std::string& devnode,
                                                         std::optional<std::string_view> hidId) {
    if (devnode.empty()) return std::nullopt;
    if (action == "add") {
        remember(devnode, hidId);
        const auto known = known_.find(devnode);
        return DeviceChange{DeviceChange::Kind::Arrival, devnode, known == known_.end() ? "" : known->second};
    }
    if (action == "remove") {
        std::string id;
        if (const auto known = known_.find(devnode); known != known_.end()) {
            id = std::move(known->second);
            known_.erase(known);
        } else {
            id = hardwareIdOf(hidId).value_or("");
        }
        return DeviceChange{DeviceChange::Kind::Removal, devnode, std::move(id)};
    }
    return std::nullopt;
}

}  // namespace tarvik::platform
