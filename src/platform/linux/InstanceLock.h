// Single instance on Linux: an exclusive flock on a file in the user's runtime folder,
// released by the kernel when the process ends, however it ends.
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
    // "<runtime folder>/<name>" (see runtimeFolder); empty, with the reason in *error, when
    // no safe runtime folder exists.
    static std::string lockPath(const std::string& name, std::string* error = nullptr);

private:
    int fd_ = -1;
};

}  // namespace tarvik::platform
