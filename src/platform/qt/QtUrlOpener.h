// Opens addresses through QDesktopServices (xdg-open on Linux desktops).
#pragma once

#include "platform/UrlOpener.h"

namespace tarvik::platform {

class QtUrlOpener : public UrlOpener {
public:
    bool open(const std::string& url) override;
};

}  // namespace tarvik::platform
