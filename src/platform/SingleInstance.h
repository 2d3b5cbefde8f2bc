// One running copy per user: a named lock held for the life of the process, and the call a
// later start sends the running copy so it shows its window.
#pragma once

#include <string>

namespace tarvik::platform {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this process now holds the lock `name`; false when another process holds it.
    virtual bool acquire(const std::string& name) = 0;
    // From a later start: asks the copy holding `name` to show itself; false when none listens.
    virtual bool callOwner(const std::string& name) = 0;
    // While this copy holds the lock: a descriptor that turns readable when a later start
    // called (-1 when calls cannot be received).
    virtual int callFd() const = 0;
    // Takes the pending calls; true when there was at least one.
    virtual bool takeCalls() = 0;
};

}  // namespace tarvik::platform
