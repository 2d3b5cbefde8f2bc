// Single instance on Linux: an exclusive flock on a file in the user's runtime directory,
// released by the kernel when the process ends, however it ends. The holder listens on a
// datagram socket beside it ("<lock>.show"), where a later start sends its call.
#pragma once

#include <string>

#include "platform/SingleInstance.h"

namespace tarvik::platform {

class InstanceLock : public SingleInstance {
public:
    InstanceLock() = default;
    ~InstanceLock() override;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    bool acquire(const std::string& name) override;
    bool callOwner(const std::string& name) override;
    int callFd() const override { return callFd_; }
    bool takeCalls() override;
    // "$XDG_RUNTIME_DIR/<name>"; without a runtime directory "/tmp/<name>-<uid>", so users
    // sharing /tmp never block each other.
    static std::string lockPath(const std::string& name);

private:
    void listenForCalls(const std::string& name);

    int fd_ = -1;
    int callFd_ = -1;
    std::string callPath_;
};

}  // namespace tarvik::platform
