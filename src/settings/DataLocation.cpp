// Resolves the data folder (override, portable, XDG), seeds it with the factory "config.bin"
// and finds the skins, in the build tree or the installed layout.
#include "settings/DataLocation.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <system_error>

#include "base/SafeFile.h"

#ifndef TARVIK_BUILD_SHARE_DIR
#define TARVIK_BUILD_SHARE_DIR ""
#endif

namespace tarvik {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kDataDirFlag = "--data-dir";

bool isFile(const path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_regular_file(p, ec);
}

bool isDir(const path& p) {
    std::error_code ec;
    return !p.empty() && fs::is_directory(p, ec);
}

path installedShare(const path& exePath) { return exePath.parent_path() / ".." / "share" / "tarvik"; }

path buildShare() { return path(TARVIK_BUILD_SHARE_DIR); }

path userConfigDir(const EnvLookup& env) {
    // A relative XDG_CONFIG_HOME is invalid and ignored, as the XDG base-directory rules ask.
    if (auto xdg = env("XDG_CONFIG_HOME"); xdg && !xdg->empty() && path(*xdg).is_absolute()) {
        return path(*xdg) / "tarvik";
    }
    if (auto home = env("HOME"); home && !home->empty()) return path(*home) / ".config" / "tarvik";
    return {};
}

}  // namespace

std::optional<std::string> processEnv(std::string_view name) {
    const char* value = std::getenv(std::string(name).c_str());
    if (value == nullptr) return std::nullopt;
    return std::string(value);
}

DataPaths dataPathsIn(const path& dir) { return {dir, dir / "config.bin", dir / "record.ini", dir / "str.ini"}; }

DataPaths resolveDataPaths(const std::optional<path>& overrideDir, const path& exePath, const EnvLookup& env) {
    if (overrideDir && !overrideDir->empty()) return dataPathsIn(*overrideDir);
    const path exeDir = exePath.parent_path();
    if (isFile(exeDir / "config.bin")) return dataPathsIn(exeDir);
    const path user = userConfigDir(env);
    // Without a home folder the executable's folder is the only place left.
    return dataPathsIn(user.empty() ? exeDir : user);
}

path findFactoryConfig(const path& exePath, const path& buildTreeFile) {
    if (isFile(buildTreeFile)) return buildTreeFile;
    if (const path installed = installedShare(exePath) / "config.bin"; isFile(installed)) return installed;
    return {};
}

path findFactoryConfig(const path& exePath) {
    const path share = buildShare();
    return findFactoryConfig(exePath, share.empty() ? path{} : share / "config.bin");
}

bool ensureConfigFile(const DataPaths& paths, const path& factory) {
    // Anything at the path, a symbolic link whose target is missing included, is the user's:
    // the load reports what is wrong with it, nothing here replaces it.
    struct stat info {};
    if (::lstat(paths.configBin.c_str(), &info) == 0) return ::stat(paths.configBin.c_str(), &info) == 0;
    if (errno != ENOENT || !isFile(factory)) return false;  // ENOTDIR: the data folder is a file
    std::error_code ec;
    fs::create_directories(paths.dir, ec);
    if (ec) return false;
    const DataFolderLock lock(paths.configBin);
    if (::lstat(paths.configBin.c_str(), &info) == 0) return true;  // another program was first
    std::string bytes;
    // Written under a temporary name first, so an interrupted copy never passes for "config.bin".
    return !readWholeFile(factory, bytes) && !writeFileAtomically(paths.configBin, bytes);
}

path skinsFolder(const path& exePath, const path& buildTreeSkins) {
    if (const path portable = exePath.parent_path() / "Skins"; isDir(portable)) return portable;
    if (isDir(buildTreeSkins)) return buildTreeSkins;
    return installedShare(exePath) / "Skins";
}

path skinsFolder(const path& exePath) {
    const path share = buildShare();
    return skinsFolder(exePath, share.empty() ? path{} : share / "Skins");
}

path currentExecutablePath() {
    std::error_code ec;
    path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? path{} : exe;
}

std::optional<path> dataDirOption(std::span<const char* const> args) {
    std::optional<path> dir;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i] == nullptr ? std::string_view{} : args[i];
        if (arg == kDataDirFlag) {
            const bool hasValue = i + 1 < args.size() && args[i + 1] != nullptr && *args[i + 1] != '\0';
            dir = hasValue ? std::optional<path>(args[++i]) : std::nullopt;
        } else if (arg.starts_with(kDataDirFlag) && arg.size() > kDataDirFlag.size() &&
                   arg[kDataDirFlag.size()] == '=') {
            const std::string_view value = arg.substr(kDataDirFlag.size() + 1);
            dir = value.empty() ? std::nullopt : std::optional<path>(path(value));
        }
    }
    return dir;
}

}  // namespace tarvik
