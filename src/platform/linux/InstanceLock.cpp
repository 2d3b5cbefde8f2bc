// Single-instance lock through flock(2).
#include "platform/linux/InstanceLock.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace tarvik::platform {

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) ::close(fd_);
}

std::string InstanceLock::lockPath(const std::string& name) {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime && *runtime) return std::string(runtime) + "/" + name;
    return "/tmp/" + name + "-" + std::to_string(::getuid());
}

bool InstanceLock::acquire(const std::string& name) {
    if (fd_ >= 0) return true;
    int fd = ::open(lockPath(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    // A lock file we cannot open says nothing about another copy: run rather than refuse.
    if (fd < 0) return true;
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
