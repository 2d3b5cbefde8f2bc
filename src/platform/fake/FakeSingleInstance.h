// A single-instance lock whose answer the test sets.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "platform/SingleInstance.h"

namespace tarvik::platform {

class FakeSingleInstance : public SingleInstance {
public:
    bool acquire(const std::string& name) override {
        if (onAcquire) onAcquire();
        askedFor = name;
        return first;
    }
    bool callOwner(const std::string& name) override {
        calledOwner = name;
        return true;
    }
    int callFd() const override { return -1; }
    bool takeCalls() override { return std::exchange(pendingCalls, 0) > 0; }

    bool first = true;
    std::string calledOwner;  // the lock a second start called
    int pendingCalls = 0;
    std::string askedFor;
    std::function<void()> onAcquire;  // called first, so a test can log the order of calls
};

}  // namespace tarvik::platform
