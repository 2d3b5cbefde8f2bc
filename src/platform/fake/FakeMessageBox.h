// Message boxes that are recorded instead of shown.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace tarvik::platform {

class FakeMessageBox : public MessageBox {
public:
    void show(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption});
        if (whileShown) whileShown();
    }
    // Runs while each box is "open", as a user's keystrokes in it would.
    std::function<void()> whileShown;
    std::vector<std::pair<std::string, std::string>> shown;  // text, caption
};

}  // namespace tarvik::platform
