// Records the addresses it is asked to open.
#pragma once

#include <string>
#include <vector>

#include "platform/UrlOpener.h"

namespace tarvik::platform {

class FakeUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override {
        opened.push_back(url);
        return true;
    }
    std::vector<std::string> opened;
};

}  // namespace tarvik::platform
