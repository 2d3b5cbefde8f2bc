// Single-instance lock through flock(2).
#include "platform/linux/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <iostream>

#include <optional>

#include "platform/linux/RuntimeFolder.h"

namespace tarvik::platform {

namespace {

std::optional<sockaddr_un> callAddress(const std::string& name) {
    const std::string lock = InstanceLock::lockPath(name);
    if (lock.empty()) return std::nullopt;
    const std::string path = lock + ".show";
    sockaddr_un addr{};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof addr.sun_path) return std::nullopt;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return addr;
}

}  // namespace

InstanceLock::~InstanceLock() {
    if (callFd_ >= 0) {
        ::close(callFd_);
        ::unlink(callPath_.c_str());  // before the lock goes, so no later holder's socket is removed
    }
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
    listenForCalls(name);
    return true;
}

// Only the lock's holder gets here, so a socket file left by a copy that crashed is ours to replace.
void InstanceLock::listenForCalls(const std::string& name) {
    const auto addr = callAddress(name);
    if (!addr) return;
    const int sock = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (sock < 0) return;
    ::unlink(addr->sun_path);
    if (::bind(sock, reinterpret_cast<const sockaddr*>(&*addr), sizeof *addr) != 0) {
        ::close(sock);
        return;
    }
    callFd_ = sock;
    callPath_ = addr->sun_path;
}

bool InstanceLock::callOwner(const std::string& name) {
    const auto addr = callAddress(name);
    if (!addr) return false;
    const int sock = ::socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (sock < 0) return false;
    const char call = 's';
    const bool sent = ::sendto(sock, &call, 1, MSG_NOSIGNAL | MSG_DONTWAIT, reinterpret_cast<const sockaddr*>(&*addr),
                               sizeof *addr) == 1;
    ::close(sock);
    return sent;
}

bool InstanceLock::takeCalls() {
    bool called = false;
    char buffer[16];
    while (callFd_ >= 0 && ::recv(callFd_, buffer, sizeof buffer, MSG_DONTWAIT) >= 0) called = true;
    return called;
}

}  // namespace tarvik::platform
