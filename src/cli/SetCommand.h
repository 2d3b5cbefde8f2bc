// `tarvikctl set` and `tarvikctl default`: the words of one setting turned into the choices the
// Basic page's editors take, so the command line obeys the window's rules and builds its captions.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "settings/ConfigRecord.h"
#include "settings/InterfaceSettings.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {

// What a setting edits and what its rules depend on.
struct SetTarget {
    ConfigRecord& record;
    Captions& captions;
    const TextCatalogue& catalogue;
    std::uint8_t sensorType = 0;      // the DPI table the values are taken from
    std::filesystem::path recordIni;  // the macros a button can be given
};

struct SetResult {
    bool done = false;
    // When done: what changed, one line each. Otherwise: why nothing changed (a rule's
    // message or the form the words should take).
    std::string message;
};

// Removes every "--apply" from `words`; true when there was one.
bool takeApplyFlag(std::vector<std::string>& words);
// Whether the setting needs the sensor type of the mouse (DPI values).
bool needsSensorType(std::span<const std::string> words);

// The words after "set" / "default". Either the whole setting is made, or nothing changes.
SetResult runSet(std::span<const std::string> words, SetTarget& target);
SetResult runDefault(std::span<const std::string> words, SetTarget& target);

}  // namespace tarvik::cli
