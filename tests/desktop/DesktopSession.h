// The real `tarvik` process on its own X server (Xvfb, no tray host), driven by real X11 input
// events (xdotool, through the XTEST extension), with a tiny window manager that iconifies and
// restores windows the way a taskbar does.
//
// How to add a test: in tests/desktop/, write a gtest case that makes a `DesktopSession`
// (options: arguments, "str.ini" language, extra environment), calls `start()`, waits for the
// main window with `mainWindow()`, then drives it with `click(x, y)` (window coordinates),
// `key("Return")` / `keyDown` / `keyUp`, and checks the outcome through `log()` /
// `waitForLog(...)` (the program's debug log on stderr), `dataDir()` (its files),
// `isViewable()`, `windows()` and `waitForExit()`. Add the file to the `desktop_test` sources
// in tests/desktop/CMakeLists.txt. Each case gets its own X server and data folder, and
// everything it started is stopped when the session goes out of scope.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tarvik::desktop {

using namespace std::chrono_literals;

struct SessionOptions {
    std::vector<std::string> args;           // after the program name; "--data-dir" is added
    std::string language;                    // "Lan" of "str.ini" (CHS, CHT; empty: English)
    std::map<std::string, std::string> env;  // extra environment of the program
    std::vector<std::string> wrapper;        // runs the program through this command, e.g. setpriv
};

// One top-level window of the program as the X server sees it.
struct TopWindow {
    unsigned long id = 0;
    int x = 0, y = 0, width = 0, height = 0;
    bool viewable = false;
    bool iconic = false;  // iconified through the window manager (the "taskbar" holds it)
    std::string title;
};

class DesktopSession {
public:
    explicit DesktopSession(SessionOptions options = {});
    ~DesktopSession();
    DesktopSession(const DesktopSession&) = delete;
    DesktopSession& operator=(const DesktopSession&) = delete;

    // Starts the program; false with the reason in `error()` when the X server or the program
    // could not start.
    bool start();
    // Starts another copy with the same options and data; its exit code, or -1 if it kept running.
    int startSecondCopy(std::chrono::milliseconds limit = 20s);

    // The main window once it is mapped (the biggest window of the program), or nullopt.
    std::optional<TopWindow> mainWindow(std::chrono::milliseconds limit = 20s);
    std::vector<TopWindow> windows();
    // Whether the main window is shown right now (not hidden, not iconified).
    bool isViewable();
    bool waitUntilViewable(bool viewable, std::chrono::milliseconds limit = 10s);

    // Real pointer and key events. Points are in main-window coordinates.
    void click(int x, int y);
    void moveTo(int x, int y);
    void key(const std::string& keysym);  // xdotool key names: "Return", "Escape", "a", "ctrl+Pause"
    void keyDown(const std::string& keysym);
    void keyUp(const std::string& keysym);
    // What a taskbar button does for an iconified window: map it again in the normal state.
    void restoreFromTaskbar();
    // Lets the program and the window manager work for that long.
    void settle(std::chrono::milliseconds time = 300ms);
    // Polls `done` (the window manager keeps working meanwhile); false when `limit` passed first.
    bool waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit = 10s);

    // The program's standard error (its debug log, one "tarvik: " line per entry).
    std::string log() const;
    bool waitForLog(const std::string& text, std::chrono::milliseconds limit = 10s);
    // Exit code of the program, or nullopt if it is still running after `limit`.
    std::optional<int> waitForExit(std::chrono::milliseconds limit = 10s);

    const std::filesystem::path& dataDir() const { return data_; }
    const std::string& error() const { return error_; }
    std::string display() const { return ":" + std::to_string(displayNumber_); }

private:
    struct WindowManager;

    bool startServer();
    pid_t spawnProgram(const std::filesystem::path& errFile);
    void xdotool(const std::vector<std::string>& args);
    void pump();
    std::optional<TopWindow> findMain();

    SessionOptions options_;
    std::filesystem::path root_;
    std::filesystem::path data_;
    std::filesystem::path logFile_;
    pid_t server_ = -1;
    pid_t program_ = -1;
    int displayNumber_ = -1;
    std::optional<int> exitCode_;
    std::unique_ptr<WindowManager> wm_;
    unsigned long main_ = 0;
    std::string error_;
};

}  // namespace tarvik::desktop
