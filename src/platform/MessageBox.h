// Modal message boxes with an OK button, owned by the main window.
#pragma once

#include <string>

namespace tarvik::platform {

class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Blocks until the user closes the box; an empty caption means the application's title.
    virtual void show(const std::string& text, const std::string& caption) = 0;
};

}  // namespace tarvik::platform
