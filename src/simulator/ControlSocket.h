// The control socket of `tarvik --simulate`: `tarvikctl press ...` asks the running program's
// simulated mouse to send one event report. One request line, one answer line per connection.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "device/NoticeCode.h"

namespace tarvik::simulator {

// Request: "press <kind> <value>\n"; answer: "ok\n" or "error <reason>\n".
// The kinds name the event codes of the mouse's event report, which are its notice codes.
struct PressKind {
    std::string_view name;
    int eventCode;
};
inline constexpr PressKind kPressKinds[] = {
    {"rate", noticeNumber(NoticeCode::ReportRate)},
    {"dpi", noticeNumber(NoticeCode::DpiStage)},
    {"matrix", noticeNumber(NoticeCode::KeyMatrix)},
    {"macro", noticeNumber(NoticeCode::MacroKey)},
};

// Event code of a press kind ("dpi" -> 7); nullopt for an unknown kind.
std::optional<int> pressEventCode(std::string_view kind);

struct PressRequest {
    int eventCode = 0;
    int value = 0;  // the report's value byte, 0-255
};
// Parses one request line (without or with its newline); nullopt and a reason when malformed.
std::optional<PressRequest> parsePressLine(std::string_view line, std::string* error);

// "<runtime folder>/tarvik-sim.sock" (see platform::runtimeFolder); empty, with the reason in
// *error, when no safe runtime folder exists.
std::string controlSocketPath(std::string* error = nullptr);

// Client side, used by tarvikctl: sends one press to the running program and waits for its
// answer. On failure returns false with a reason the user can act on in *error.
bool sendPress(std::string_view kind, int value, std::string* error);

// Server side, used by the windowed program: a listening socket whose descriptor the caller
// watches (no polling); serviceOne() is called when it becomes readable.
class ControlServer {
public:
    using Handler = std::function<void(int eventCode, int value)>;

    explicit ControlServer(Handler handler);
    ~ControlServer();
    ControlServer(const ControlServer&) = delete;
    ControlServer& operator=(const ControlServer&) = delete;

    // Binds `path` (default controlSocketPath()). A stale socket left by a crashed run is
    // replaced; a live one belongs to another simulated run and is left alone.
    bool listen(const std::string& path, std::string* error);
    int fd() const { return listenFd_; }
    // Accepts one pending connection, reads its request, runs the handler and answers.
    void serviceOne();

private:
    Handler handler_;
    int listenFd_ = -1;
    std::string path_;
};

}  // namespace tarvik::simulator
