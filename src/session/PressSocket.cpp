// Opens the press socket and forwards each press to the simulated mouse as an event report.
#include "session/PressSocket.h"

#include <cstdint>

namespace tarvik {

std::unique_ptr<simulator::ControlServer> listenForPresses(simulator::SimulatorBackend& mouse, std::string* error) {
    auto control = std::make_unique<simulator::ControlServer>([&mouse](int code, int value) {
        mouse.emitEvent(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value));
    });
    const std::string path = simulator::controlSocketPath(error);
    if (path.empty() || !control->listen(path, error)) return nullptr;
    return control;
}

}  // namespace tarvik
