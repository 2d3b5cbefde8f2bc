// Xvfb, a minimal window manager on it, the program under test and xdotool for input.
#include "desktop/DesktopSession.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <set>
#include <sstream>
#include <thread>

namespace tarvik::desktop {
namespace {

namespace fs = std::filesystem;

constexpr long kIconicState = 3;
constexpr long kNormalState = 1;

fs::path makeRoot() {
    static int counter = 0;
    fs::path dir =
        fs::temp_directory_path() / ("tarvik-desktop-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir;
}

std::optional<int> reap(pid_t pid, bool wait) {
    if (pid <= 0) return std::nullopt;
    int status = 0;
    if (::waitpid(pid, &status, wait ? 0 : WNOHANG) != pid) return std::nullopt;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

void stop(pid_t pid) {
    if (pid <= 0) return;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (reap(pid, false)) return;
        std::this_thread::sleep_for(20ms);
    }
    ::kill(pid, SIGKILL);
    reap(pid, true);
}

// Runs a program to its end with the environment given; its exit code.
int runToEnd(const std::vector<std::string>& args, const std::vector<std::string>& env) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDOUT_FILENO);
        for (const std::string& e : env) ::putenv(const_cast<char*>(e.c_str()));
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return reap(pid, true).value_or(-1);
}

}  // namespace

// Redirects the root window's substructure, so the program's map and iconify requests come
// here: maps what asks to be mapped (and gives it the focus), unmaps what asks to be iconified
// and keeps WM_STATE as the program's toolkit expects from a real window manager.
struct DesktopSession::WindowManager {
    Display* display = nullptr;
    Atom wmState = 0;
    Atom wmChangeState = 0;
    std::set<Window> iconic;

    explicit WindowManager(const std::string& name) {
        // A window may go between listing it and asking about it (a message box closing):
        // the default handler would end the test process for that.
        XSetErrorHandler([](Display*, XErrorEvent*) { return 0; });
        display = XOpenDisplay(name.c_str());
        if (!display) return;
        wmState = XInternAtom(display, "WM_STATE", False);
        wmChangeState = XInternAtom(display, "WM_CHANGE_STATE", False);
        XSelectInput(display, DefaultRootWindow(display), SubstructureRedirectMask | SubstructureNotifyMask);
        XSync(display, False);
    }
    ~WindowManager() {
        if (display) XCloseDisplay(display);
    }

    void setState(Window w, long state) {
        const long data[2] = {state, None};
        XChangeProperty(display, w, wmState, wmState, 32, PropModeReplace, reinterpret_cast<const unsigned char*>(data),
                        2);
    }

    void show(Window w) {
        iconic.erase(w);
        setState(w, kNormalState);
        XMapRaised(display, w);
        XSync(display, False);
        XSetInputFocus(display, w, RevertToPointerRoot, CurrentTime);
    }

    void pump() {
        if (!display) return;
        while (XPending(display)) {
            XEvent ev;
            XNextEvent(display, &ev);
            handle(ev);
        }
        XFlush(display);
    }

    void handle(XEvent& ev) {
        switch (ev.type) {
        case MapRequest: show(ev.xmaprequest.window); break;
        case ConfigureRequest: {
            XWindowChanges changes{};
            const XConfigureRequestEvent& r = ev.xconfigurerequest;
            changes.x = r.x;
            changes.y = r.y;
            changes.width = r.width;
            changes.height = r.height;
            changes.border_width = r.border_width;
            changes.sibling = r.above;
            changes.stack_mode = r.detail;
            XConfigureWindow(display, r.window, static_cast<unsigned>(r.value_mask), &changes);
            break;
        }
        case ClientMessage:
            if (ev.xclient.message_type == wmChangeState && ev.xclient.data.l[0] == kIconicState) {
                iconic.insert(ev.xclient.window);
                setState(ev.xclient.window, kIconicState);
                XUnmapWindow(display, ev.xclient.window);
            }
            break;
        default: break;
        }
    }
};

DesktopSession::DesktopSession(SessionOptions options) : options_(std::move(options)) {
    root_ = makeRoot();
    data_ = root_ / "data";
    logFile_ = root_ / "tarvik.log";
    fs::create_directories(data_);
    fs::create_directories(root_ / "run");
    fs::permissions(root_ / "run", fs::perms::owner_all, fs::perm_options::replace);  // as a runtime dir must be
    if (!options_.language.empty()) std::ofstream(data_ / "str.ini") << "[Skins]\nLan=" << options_.language << "\n";
}

DesktopSession::~DesktopSession() {
    stop(program_);
    wm_.reset();
    stop(server_);
    std::error_code ignored;
    fs::remove_all(root_, ignored);
}

bool DesktopSession::startServer() {
    int pipeFds[2];
    if (::pipe(pipeFds) != 0) return false;
    server_ = ::fork();
    if (server_ == 0) {
        ::close(pipeFds[0]);
        const int devNull = ::open("/dev/null", O_WRONLY);
        ::dup2(devNull, STDERR_FILENO);
        ::dup2(devNull, STDOUT_FILENO);
        const std::string fd = std::to_string(pipeFds[1]);
        ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x800x24", "-nolisten", "tcp",
                 static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(pipeFds[1]);
    std::string number;
    char c = 0;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n') number += c;
    ::close(pipeFds[0]);
    if (number.empty()) {
        error_ = "Xvfb did not start (scripts/bootstrap installs it)";
        return false;
    }
    displayNumber_ = std::stoi(number);
    wm_ = std::make_unique<WindowManager>(display());
    if (!wm_->display) {
        error_ = "cannot connect to Xvfb on " + display();
        return false;
    }
    return true;
}

bool DesktopSession::start() {
    if (!startServer()) return false;
    if (runToEnd({"xdotool", "version"}, {"DISPLAY=" + display()}) != 0) {
        error_ = "xdotool is missing (scripts/bootstrap installs it)";
        return false;
    }
    program_ = spawnProgram(logFile_);
    return program_ > 0;
}

pid_t DesktopSession::spawnProgram(const fs::path& errFile) {
    std::vector<std::string> args = options_.wrapper;
    args.push_back(TARVIK_BINARY);
    args.insert(args.end(), options_.args.begin(), options_.args.end());
    args.insert(args.end(), {"--data-dir", data_.string()});
    std::map<std::string, std::string> env{
        {"DISPLAY", display()},
        {"QT_QPA_PLATFORM", "xcb"},
        {"XDG_RUNTIME_DIR", (root_ / "run").string()},
        {"XDG_CONFIG_HOME", (root_ / "config").string()},
        // No session bus: no notification service and no tray host to be found there.
        {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + (root_ / "no-bus").string()},
    };
    // In a sanitizer build the exit code must stay the program's: the X11 and font libraries
    // keep allocations to the end, which LeakSanitizer would turn into a failure exit. Our own
    // code's leaks are the in-process tests' to find.
    const char* asan = std::getenv("ASAN_OPTIONS");
    env["ASAN_OPTIONS"] = std::string(asan ? asan : "") + (asan && *asan ? ":" : "") + "detect_leaks=0";
    for (const auto& [name, value] : options_.env) env[name] = value;
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (!std::freopen(errFile.c_str(), "a", stderr)) ::_exit(127);
        for (const auto& [name, value] : env) ::setenv(name.c_str(), value.c_str(), 1);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execvp(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

int DesktopSession::startSecondCopy(std::chrono::milliseconds limit) {
    const pid_t second = spawnProgram(root_ / "second.log");
    std::optional<int> code;
    waitUntil([&] { return (code = reap(second, false)).has_value(); }, limit);
    if (!code) stop(second);
    return code.value_or(-1);
}

void DesktopSession::pump() {
    if (wm_) wm_->pump();
}

bool DesktopSession::waitUntil(const std::function<bool()>& done, std::chrono::milliseconds limit) {
    const auto end = std::chrono::steady_clock::now() + limit;
    for (;;) {
        pump();
        if (done()) return true;
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(20ms);
    }
}

void DesktopSession::settle(std::chrono::milliseconds time) {
    waitUntil([] { return false; }, time);
}

std::vector<TopWindow> DesktopSession::windows() {
    std::vector<TopWindow> found;
    if (!wm_ || !wm_->display) return found;
    pump();
    Display* d = wm_->display;
    Window rootWindow = 0, parent = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(d, DefaultRootWindow(d), &rootWindow, &parent, &children, &count)) return found;
    const Atom pidAtom = XInternAtom(d, "_NET_WM_PID", False);
    for (unsigned i = 0; i < count; ++i) {
        Atom type = 0;
        int format = 0;
        unsigned long items = 0, after = 0;
        unsigned char* value = nullptr;
        bool ours = false;
        if (XGetWindowProperty(d, children[i], pidAtom, 0, 1, False, XA_CARDINAL, &type, &format, &items, &after,
                               &value) == Success &&
            value) {
            ours = items == 1 && static_cast<pid_t>(*reinterpret_cast<unsigned long*>(value)) == program_;
            XFree(value);
        }
        if (!ours) continue;
        XWindowAttributes attrs;
        if (!XGetWindowAttributes(d, children[i], &attrs)) continue;
        TopWindow w{children[i],
                    attrs.x,
                    attrs.y,
                    attrs.width,
                    attrs.height,
                    attrs.map_state == IsViewable,
                    wm_->iconic.count(children[i]) > 0,
                    {}};
        if (char* name = nullptr; XFetchName(d, children[i], &name) && name) {
            w.title = name;
            XFree(name);
        }
        found.push_back(w);
    }
    if (children) XFree(children);
    return found;
}

std::optional<TopWindow> DesktopSession::findMain() {
    std::optional<TopWindow> best;
    for (const TopWindow& w : windows()) {
        if (main_ != 0 && w.id == main_) return w;
        if (main_ == 0 && w.viewable && (!best || w.width * w.height > best->width * best->height)) best = w;
    }
    if (main_ == 0 && best && best->width >= 600) {
        main_ = best->id;
        return best;
    }
    return std::nullopt;
}

std::optional<TopWindow> DesktopSession::mainWindow(std::chrono::milliseconds limit) {
    std::optional<TopWindow> found;
    waitUntil([&] { return (found = findMain()).has_value(); }, limit);
    return found;
}

bool DesktopSession::isViewable() {
    const std::optional<TopWindow> w = findMain();
    return w && w->viewable;
}

bool DesktopSession::waitUntilViewable(bool viewable, std::chrono::milliseconds limit) {
    return waitUntil([&] { return isViewable() == viewable; }, limit);
}

void DesktopSession::xdotool(const std::vector<std::string>& args) {
    std::vector<std::string> command{"xdotool"};
    command.insert(command.end(), args.begin(), args.end());
    pump();
    runToEnd(command, {"DISPLAY=" + display()});
    pump();
}

void DesktopSession::moveTo(int x, int y) {
    const std::optional<TopWindow> w = findMain();
    const int left = w ? w->x : 0, top = w ? w->y : 0;
    xdotool({"mousemove", "--sync", std::to_string(left + x), std::to_string(top + y)});
}

void DesktopSession::click(int x, int y) {
    moveTo(x, y);
    xdotool({"click", "1"});
    settle(150ms);
}

void DesktopSession::key(const std::string& keysym) { xdotool({"key", keysym}); }
void DesktopSession::keyDown(const std::string& keysym) { xdotool({"keydown", keysym}); }
void DesktopSession::keyUp(const std::string& keysym) { xdotool({"keyup", keysym}); }

void DesktopSession::restoreFromTaskbar() {
    pump();
    if (wm_ && main_ != 0) wm_->show(main_);
    pump();
}

std::string DesktopSession::log() const {
    std::ifstream in(logFile_);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool DesktopSession::waitForLog(const std::string& text, std::chrono::milliseconds limit) {
    return waitUntil([&] { return log().find(text) != std::string::npos; }, limit);
}

std::optional<int> DesktopSession::waitForExit(std::chrono::milliseconds limit) {
    waitUntil([&] { return exitCode_ || (exitCode_ = reap(program_, false)); }, limit);
    if (exitCode_) program_ = -1;
    return exitCode_;
}

}  // namespace tarvik::desktop
