// Unix-socket control channel between tarvikctl and a simulated `tarvik`.
#include "simulator/ControlSocket.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>

#include "base/UniqueFd.h"
#include "platform/linux/RuntimeFolder.h"

namespace tarvik::simulator {
namespace {

// A request is one short line; a peer that sends nothing must not stall the interface thread.
constexpr timeval kIoTimeout{1, 0};
constexpr std::size_t kMaxLine = 64;

bool makeAddress(const std::string& path, sockaddr_un& addr) {
    addr = {};
    addr.sun_family = AF_UNIX;
    if (path.size() >= sizeof(addr.sun_path)) return false;
    std::memcpy(addr.sun_path, path.c_str(), path.size() + 1);
    return true;
}

void setTimeouts(int fd) {
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &kIoTimeout, sizeof kIoTimeout);
    ::setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &kIoTimeout, sizeof kIoTimeout);
}

bool writeAll(int fd, std::string_view text) {
    while (!text.empty()) {
        ssize_t n = ::send(fd, text.data(), text.size(), MSG_NOSIGNAL);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Reads up to the first newline (or until the peer closes); false on error or overlong input.
bool readLine(int fd, std::string& line) {
    line.clear();
    char c = 0;
    while (line.size() <= kMaxLine) {
        ssize_t n = ::recv(fd, &c, 1, 0);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0 || c == '\n') return true;
        line.push_back(c);
    }
    return false;
}

std::string_view nextWord(std::string_view& rest) {
    while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
    std::size_t end = rest.find(' ');
    std::string_view word = rest.substr(0, end);
    rest.remove_prefix(end == std::string_view::npos ? rest.size() : end);
    return word;
}

int connectTo(const std::string& path) {
    sockaddr_un addr{};
    if (!makeAddress(path, addr)) return -1;
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0));
    if (fd.get() < 0) return -1;
    if (::connect(fd.get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0) return -1;
    return fd.release();
}

}  // namespace

std::optional<int> pressEventCode(std::string_view kind) {
    for (const PressKind& row : kPressKinds)
        if (row.name == kind) return row.eventCode;
    return std::nullopt;
}

std::optional<PressRequest> parsePressLine(std::string_view line, std::string* error) {
    auto fail = [&](std::string reason) -> std::optional<PressRequest> {
        if (error) *error = std::move(reason);
        return std::nullopt;
    };
    if (!line.empty() && line.back() == '\n') line.remove_suffix(1);
    std::string_view rest = line;
    if (nextWord(rest) != "press") return fail("expected \"press <kind> <value>\"");
    std::string_view kind = nextWord(rest);
    std::optional<int> code = pressEventCode(kind);
    if (!code) return fail("unknown kind \"" + std::string(kind) + "\" (dpi, rate, matrix or macro)");
    std::string_view number = nextWord(rest);
    int value = -1;
    auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (number.empty() || ec != std::errc() || end != number.data() + number.size() || value < 0 || value > 255)
        return fail("value \"" + std::string(number) + "\" is not a number from 0 to 255");
    if (!nextWord(rest).empty()) return fail("unexpected text after the value");
    return PressRequest{*code, value};
}

std::string controlSocketPath(std::string* error) {
    const auto folder = platform::runtimeFolder(error);
    return folder ? (*folder / "tarvik-sim.sock").string() : std::string();
}

bool sendPress(std::string_view kind, int value, std::string* error) {
    auto fail = [&](std::string reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    std::string request = "press " + std::string(kind) + " " + std::to_string(value);
    if (!parsePressLine(request, error)) return false;
    const std::string path = controlSocketPath(error);
    if (path.empty()) return false;
    UniqueFd fd(connectTo(path));
    if (fd.get() < 0)
        return fail("no simulated tarvik is listening on " + path + " (start tarvik --simulate or tarvikctl emulate)");
    setTimeouts(fd.get());
    std::string answer;
    if (!writeAll(fd.get(), request + "\n") || !readLine(fd.get(), answer))
        return fail("the running tarvik did not answer on " + path);
    if (answer == "ok") return true;
    return fail(answer.rfind("error ", 0) == 0 ? answer.substr(6) : answer);
}

ControlServer::ControlServer(Handler handler) : handler_(std::move(handler)) {}

ControlServer::~ControlServer() {
    if (listenFd_ < 0) return;
    ::close(listenFd_);
    ::unlink(path_.c_str());
}

bool ControlServer::listen(const std::string& path, std::string* error) {
    auto fail = [&](std::string reason) {
        if (error) *error = std::move(reason);
        return false;
    };
    sockaddr_un addr{};
    if (!makeAddress(path, addr)) return fail("socket path too long: " + path);
    if (int live = connectTo(path); live >= 0) {
        ::close(live);
        return fail("another simulated tarvik already listens on " + path);
    }
    ::unlink(path.c_str());  // stale socket of a run that did not clean up
    UniqueFd fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0));
    if (fd.get() < 0) return fail(std::string("cannot create socket: ") + std::strerror(errno));
    if (::bind(fd.get(), reinterpret_cast<const sockaddr*>(&addr), sizeof addr) != 0 || ::listen(fd.get(), 4) != 0)
        return fail("cannot listen on " + path + ": " + std::strerror(errno));
    listenFd_ = fd.release();
    path_ = path;
    return true;
}

void ControlServer::serviceOne() {
    UniqueFd client(::accept4(listenFd_, nullptr, nullptr, SOCK_CLOEXEC));
    if (client.get() < 0) return;  // spurious wake-up or the peer gave up
    setTimeouts(client.get());
    std::string line, error;
    if (!readLine(client.get(), line)) return;
    std::optional<PressRequest> request = parsePressLine(line, &error);
    if (!request) {
        writeAll(client.get(), "error " + error + "\n");
        return;
    }
    handler_(request->eventCode, request->value);
    writeAll(client.get(), "ok\n");
}

}  // namespace tarvik::simulator
