// Single-instance lock through flock(2).
#include "platform/linux/InstanceLock.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <iostream>
#include <sys/file.h>
#include <unistd.h>

#include "platform/linux/RuntimeFolder.h"

namespace tarvik::platform {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::string InstanceLock::lockPath(const std::string& name, std::string* error) {
    const auto folder = runtimeFolder(error);
    return folder ? (*folder / name).string() : std::string();
}

bool InstanceLock::acquire(const std::string& name) {
    if (fd_ >= 0) return true;
    std::string error;
    const std::string path = lockPath(name, &error);
    int fd = path.empty() ? -1 : ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    // A lock file we cannot open says nothing about another copy: run rather than refuse,
    // and say why a second copy may start too.
    if (fd < 0) {
        if (error.empty()) error = "cannot open " + path + ": " + std::strerror(errno);
        std::cerr << "tarvik: cannot check for another running copy: " << error << '\n';
        return true;
    }
    int rc;
    do rc = ::flock(fd, LOCK_EX | LOCK_NB);
    while (rc != 0 && errno == EINTR);
    if (rc != 0) {
        ::close(fd);
        return false;
    }
    fd_ = fd;
    return true;
}

}  // namespace tarvik::platform
