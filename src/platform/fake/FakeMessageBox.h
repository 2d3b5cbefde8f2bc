// Message boxes that are recorded instead of shown.
#pragma once

#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace tarvik::platform {

class FakeMessageBox : public MessageBox {
public:
    void show(const std::string& text, const std::string& caption) override {
        shown.push_back({text, caption});
    }
    std::vector<std::pair<std::string, std::string>> shown;  // text, caption
};

}  // namespace tarvik::platform
