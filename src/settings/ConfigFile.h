// "config.bin": a first-run flag byte followed by the record (1986 bytes, no header).
#pragma once

#include <cstdint>
#include <filesystem>

#include "platform/UserSink.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

constexpr std::size_t kConfigFileSize = 1 + kConfigRecordSize;

struct ConfigFile {
    std::filesystem::path path;
    std::uint8_t firstRunFlag = 0;
};

// Reads the file into `file.firstRunFlag` and `record`; a missing file is reported to the
// user, a file of the wrong size is ignored silently, and both leave the record as it was.
void LoadConfig(ConfigFile& file, ConfigRecord& record, platform::UserSink& sink);
// Writes flag 1 and the record; the old file stays whole until the new one replaces it.
void SaveConfig(ConfigFile& file, const ConfigRecord& record, platform::UserSink& sink);

}  // namespace tarvik
