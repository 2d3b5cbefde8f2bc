// "config.bin": a first-run flag byte followed by the record (1986 bytes, no header).
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <system_error>
#include <utility>

#include "platform/UserSink.h"
#include "settings/ConfigRecord.h"

namespace tarvik {

constexpr std::size_t kConfigFileSize = 1 + kConfigRecordSize;

// What a load found, and why it could not use the file.
struct ConfigLoad {
    enum class Status {
        Loaded,
        Missing,       // no file (or no folder) at the path
        DanglingLink,  // a symbolic link whose target does not exist
        Unreadable,    // there, but opening or reading it failed: `error` says why
        WrongSize,     // read, but not 1986 bytes long: `size` says how many
    };
    Status status = Status::Missing;
    std::error_code error;
    std::uintmax_t size = 0;

    bool loaded() const { return status == Status::Loaded; }
    // A file is there but its bytes were not taken: a save must keep them first.
    bool unused() const { return status == Status::Unreadable || status == Status::WrongSize; }
    // Why the file was not loaded, as a user reads it: the system's error text, "wrong size N"
    // or "dangling symbolic link"; empty when it was loaded.
    std::string reason() const;
};

struct ConfigFile {
    ConfigFile() = default;
    ConfigFile(std::filesystem::path path, std::uint8_t firstRunFlag = 0)
        : path(std::move(path)), firstRunFlag(firstRunFlag) {}

    std::filesystem::path path;
    std::uint8_t firstRunFlag = 0;
    ConfigLoad lastLoad;  // the outcome of the last load, until a save replaces the file
};

// Reads the file into `file.firstRunFlag` and `record` without telling the user anything;
// both change only when the result is Loaded. A file far too large is not read at all.
ConfigLoad ReadConfigFile(ConfigFile& file, ConfigRecord& record);
// ReadConfigFile as the window loads: a missing file is reported to the user, a file of the
// wrong size or one that cannot be read is ignored silently; both leave the record as it was.
ConfigLoad LoadConfig(ConfigFile& file, ConfigRecord& record, platform::UserSink& sink);
// Writes flag 1 and the record; the old file stays whole until the new one replaces it (a
// symbolic link stays and its target is replaced). A file the last load could not use is
// first kept beside under another name, which the user is told once. Failures are reported
// to the user and returned.
std::error_code SaveConfig(ConfigFile& file, const ConfigRecord& record, platform::UserSink& sink);

}  // namespace tarvik
