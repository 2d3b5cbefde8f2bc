// Opens an address (web page or local file URL) with the desktop's default handler.
#pragma once

#include <string>

namespace tarvik::platform {

class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual bool open(const std::string& url) = 0;
};

}  // namespace tarvik::platform
