// A single-instance lock whose answer the test sets.
#pragma once

#include <functional>
#include <string>

#include "platform/SingleInstance.h"

namespace tarvik::platform {

class FakeSingleInstance : public SingleInstance {
public:
    bool acquire(const std::string& name) override {
        if (onAcquire) onAcquire();
        askedFor = name;
        return first;
    }
    bool first = true;
    std::string askedFor;
    std::function<void()> onAcquire;  // called first, so a test can log the order of calls
};

}  // namespace tarvik::platform
