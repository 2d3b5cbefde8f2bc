// Where the data files ("config.bin", "record.ini", "str.ini") and the skins live: beside the
// executable for a portable copy, else in the user's configuration folder.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tarvik {

using std::filesystem::path;

struct DataPaths {
    path dir, configBin, recordIni, strIni;
};

// Looks up an environment variable; std::nullopt when it is not set.
using EnvLookup = std::function<std::optional<std::string>(std::string_view name)>;
// The process environment.
std::optional<std::string> processEnv(std::string_view name);

// The three data files inside `dir`.
DataPaths dataPathsIn(const path& dir);
// `overrideDir` when given; else the executable's folder when it holds "config.bin";
// else $XDG_CONFIG_HOME/tarvik, or ~/.config/tarvik when that is unset or not absolute.
DataPaths resolveDataPaths(const std::optional<path>& overrideDir, const path& exePath, const EnvLookup& env);

// The factory "config.bin": `buildTreeFile` when it exists, else the installed copy in
// <exe dir>/../share/tarvik; empty when neither exists.
path findFactoryConfig(const path& exePath, const path& buildTreeFile);
path findFactoryConfig(const path& exePath);  // with this build's own build-tree file

// Creates the data folder when needed and, when it holds no "config.bin", copies `factory`
// in. True when "config.bin" is there afterwards; false (nothing half-copied) otherwise, which
// the later load reports as a missing config file. Whatever is at the path, a dangling
// symbolic link included, is left as it is.
bool ensureConfigFile(const DataPaths& paths, const path& factory);

// "Skins" beside the executable, else `buildTreeSkins`, else <exe dir>/../share/tarvik/Skins.
path skinsFolder(const path& exePath, const path& buildTreeSkins);
path skinsFolder(const path& exePath);  // with this build's own build-tree skins

// The running executable (/proc/self/exe); empty when the link cannot be read.
path currentExecutablePath();

// The DIR of "--data-dir DIR" or "--data-dir=DIR" among the arguments (the last one wins);
// std::nullopt when absent or when DIR is missing or empty.
std::optional<path> dataDirOption(std::span<const char* const> args);

}  // namespace tarvik
