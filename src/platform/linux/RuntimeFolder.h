// The per-user folder for the single-instance lock and the simulator's control socket:
// $XDG_RUNTIME_DIR when it is usable, else a private folder of our own in /tmp.
#pragma once

#include <sys/types.h>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik::platform {

// "$XDG_RUNTIME_DIR" when it names an absolute folder of the user that others cannot write
// to; else "/tmp/tarvik-<uid>", made with mode 0700 when missing. Nullopt, with the reason
// in *error, when that folder is unsafe: not a real folder, another user's, or writable by
// the group or the world.
std::optional<std::filesystem::path> runtimeFolder(std::string* error = nullptr);

// The same choice for a given environment value, fallback parent and user.
std::optional<std::filesystem::path> runtimeFolder(std::string_view xdgRuntimeDir,
                                                   const std::filesystem::path& fallbackParent, uid_t user,
                                                   std::string* error);

}  // namespace tarvik::platform
