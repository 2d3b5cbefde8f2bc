// One running copy per user: a named lock held for the life of the process.
#pragma once

#include <string>

namespace tarvik::platform {

class SingleInstance {
public:
    virtual ~SingleInstance() = default;
    // True when this process now holds the lock `name`; false when another process holds it.
    virtual bool acquire(const std::string& name) = 0;
};

}  // namespace tarvik::platform
