// Where the core sends what the user must see: modal messages, device notices (shown as
// balloons) and diagnostic trace lines (debug log only, never shown).
#pragma once

#include <string>

namespace tarvik::platform {

class UserSink {
public:
    virtual ~UserSink() = default;
    // A modal message with an OK button; an empty caption means the application's title.
    virtual void message(const std::string& text, const std::string& caption) = 0;
    // A device notice (code, value), numbered as device/NoticeCode.h: 5 report rate, 7 DPI stage,
    // 8 key matrix, 9 macro key, 14 mouse detected, 15 mouse not detected. Returns once the
    // notice is handled.
    virtual void notice(int code, int value) = 0;
    virtual void trace(const std::string& line) { (void)line; }
};

}  // namespace tarvik::platform
