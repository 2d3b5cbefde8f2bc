// Choice and checks of the per-user runtime folder.
#include "platform/linux/RuntimeFolder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace tarvik::platform {
namespace {

// Why `info` is no private folder of `user`; empty when it is one.
std::string privacyProblem(const struct stat& info, uid_t user) {
    if (!S_ISDIR(info.st_mode)) return "is not a folder";
    if (info.st_uid != user) return "belongs to another user";
    if ((info.st_mode & (S_IWGRP | S_IWOTH)) != 0) {
        char mode[16];
        std::snprintf(mode, sizeof mode, "%04o", static_cast<unsigned>(info.st_mode & 07777));
        return std::string("is writable by other users (mode ") + mode + ")";
    }
    return {};
}

bool usableRuntimeDir(std::string_view value, uid_t user) {
    const std::filesystem::path dir(value);
    struct stat info {};
    return !value.empty() && dir.is_absolute() && ::stat(dir.c_str(), &info) == 0 && privacyProblem(info, user).empty();
}

}  // namespace

std::optional<std::filesystem::path> runtimeFolder(std::string_view xdgRuntimeDir,
                                                   const std::filesystem::path& fallbackParent, uid_t user,
                                                   std::string* error) {
    if (usableRuntimeDir(xdgRuntimeDir, user)) return std::filesystem::path(xdgRuntimeDir);
    const auto folder = fallbackParent / ("tarvik-" + std::to_string(user));
    auto fail = [&](const std::string& why) -> std::optional<std::filesystem::path> {
        if (error) *error = "the runtime folder " + folder.string() + " " + why;
        return std::nullopt;
    };
    if (::mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST)
        return fail(std::string("cannot be made: ") + std::strerror(errno));
    // lstat: a link planted in the shared parent must not lead us elsewhere.
    struct stat info {};
    if (::lstat(folder.c_str(), &info) != 0) return fail(std::string("cannot be read: ") + std::strerror(errno));
    if (const auto problem = privacyProblem(info, user); !problem.empty()) return fail(problem);
    return folder;
}

std::optional<std::filesystem::path> runtimeFolder(std::string* error) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtimeFolder(runtime ? runtime : "", "/tmp", ::getuid(), error);
}

}  // namespace tarvik::platform
