// Records desktop notifications.
#pragma once

#include <string>
#include <vector>

#include "platform/DesktopNotifier.h"

namespace tarvik::platform {

class FakeDesktopNotifier : public DesktopNotifier {
public:
    struct Note {
        std::string title, text;
        int timeoutMs = 0;
        bool operator==(const Note&) const = default;
    };
    void notify(const std::string& title, const std::string& text, int timeoutMs) override {
        notes.push_back({title, text, timeoutMs});
    }
    std::vector<Note> notes;
};

}  // namespace tarvik::platform
