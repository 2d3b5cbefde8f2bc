// The press socket of a simulated run: `tarvikctl press ...` reaches the simulated mouse of a
// running `tarvik --simulate` or `tarvikctl --simulate listen` through it.
#pragma once

#include <memory>
#include <string>

#include "simulator/ControlSocket.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {

// Listens on the runtime folder's press socket and makes `mouse` send the event of each press.
// Null, with the reason in *error, when there is no safe runtime folder or the socket is taken.
std::unique_ptr<simulator::ControlServer> listenForPresses(simulator::SimulatorBackend& mouse, std::string* error);

}  // namespace tarvik
