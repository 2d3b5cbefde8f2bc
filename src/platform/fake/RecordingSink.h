// A user sink that records messages, notices and trace lines, for tests.
#pragma once

#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/UserSink.h"

namespace tarvik::platform {

class RecordingSink : public UserSink {
public:
    struct Message {
        std::string text, caption;
        bool operator==(const Message&) const = default;
    };
    void message(const std::string& text, const std::string& caption) override {
        std::lock_guard lock(mutex);
        messages.push_back({text, caption});
    }
    void notice(int code, int value) override {
        std::lock_guard lock(mutex);
        notices.emplace_back(code, value);
    }
    void trace(const std::string& line) override {
        std::lock_guard lock(mutex);
        traces.push_back(line);
    }

    std::mutex mutex;
    std::vector<Message> messages;
    std::vector<std::pair<int, int>> notices;
    std::vector<std::string> traces;
};

}  // namespace tarvik::platform
