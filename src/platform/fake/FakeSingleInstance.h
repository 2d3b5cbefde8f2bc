// A single-instance lock whose answer the test sets.
#pragma once

#include <string>

#include "platform/SingleInstance.h"

namespace tarvik::platform {

class FakeSingleInstance : public SingleInstance {
public:
    bool acquire(const std::string& name) override {
        askedFor = name;
        return first;
    }
    bool first = true;
    std::string askedFor;
};

}  // namespace tarvik::platform
