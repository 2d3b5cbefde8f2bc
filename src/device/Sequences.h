// The two command sequences: the sensor synchronisation made when the mouse is first used,
// and the full apply that writes the whole configuration in a fixed order with fixed pauses.
#pragma once

#include <functional>
#include <string>

#include "device/DeviceContext.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

// Pause after each command of a multi-block sequence (0x07, 0x87, 0x10, 0x90, 0x12, 0x13, 0x93).
constexpr unsigned kBlockCommandPauseMs = 2;
// Protocol pauses of one ApplySettings: 2 ms per block command, 3 ms per written chunk.
constexpr unsigned kApplySettingsPauseMs = 249;

// Reads the sensor settings, takes the sensor type in use and writes them back with bit 6
// of option 2 set.
void SyncSensorSettings(DeviceContext& ctx);

// How the mouse took one ApplySettings.
struct ApplyOutcome {
    unsigned commands = 0;      // command packets sent
    unsigned answered = 0;      // commands before the mouse stopped answering, when it did
    bool mouseStopped = false;  // every transfer from some command to the end failed
    // "the mouse stopped answering after N of M commands"; empty when it did not.
    std::string describe() const;
};

// Writes the record to the mouse: report rate, lighting (read, adjusted, written back),
// color blocks, DPI codes, macro slots (written, then read back) and the key matrices;
// then calls `saveFiles` (config.bin and the captions). It runs to its end even when the
// mouse goes away in the middle: the remaining commands fail, and the outcome tells after
// how many commands the mouse stopped answering.
ApplyOutcome ApplySettings(DeviceContext& ctx, const ConfigRecord& record, const std::function<void()>& saveFiles);

}  // namespace tarvik
