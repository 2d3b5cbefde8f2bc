// The emulate command: parses its words, creates the virtual mouse and serves the kernel, the
// press socket and the signals from one poll loop.
#include "cli/Emulate.h"

#include <poll.h>
#include <signal.h>
#include <sys/signalfd.h>
#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <ostream>

#include "base/UniqueFd.h"
#include "cli/Commands.h"
#include "device/WireLog.h"
#include "session/SignalFd.h"
#include "simulator/ControlSocket.h"
#include "simulator/UhidMouse.h"

namespace tarvik::cli {

namespace {

struct EmulateWords {
    int sensor = 0;
    simulator::UhidLayout layout = simulator::UhidLayout::Split;
};

std::optional<EmulateWords> parseWords(const std::vector<std::string>& words, std::ostream& err) {
    EmulateWords parsed;
    for (std::size_t i = 0; i < words.size(); i += 2) {
        const std::string& value = i + 1 < words.size() ? words[i + 1] : std::string();
        if (words[i] == "--sensor") {
            auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), parsed.sensor);
            if (value.empty() || ec != std::errc() || end != value.data() + value.size() || parsed.sensor < 0 ||
                parsed.sensor > 3) {
                err << "tarvikctl: --sensor takes a sensor type from 0 to 3\n";
                return std::nullopt;
            }
        } else if (words[i] == "--layout") {
            const auto layout = simulator::uhidLayoutNamed(value);
            if (!layout) {
                err << "tarvikctl: --layout is split or composite\n";
                return std::nullopt;
            }
            parsed.layout = *layout;
        } else {
            err << "tarvikctl: emulate takes --sensor N and --layout split|composite, not '" << words[i] << "'\n";
            return std::nullopt;
        }
    }
    return parsed;
}

// Under sudo, the press socket goes where the invoking user's tarvikctl looks for it.
std::string pressSocketPath(uid_t* owner) {
    const char* sudoUid = std::getenv("SUDO_UID");
    if (sudoUid && *sudoUid) {
        const std::string dir = std::string("/run/user/") + sudoUid;
        struct stat st {};
        if (::stat(dir.c_str(), &st) == 0) {
            *owner = st.st_uid;
            return dir + "/tarvik-sim.sock";
        }
    }
    return simulator::controlSocketPath();
}

}  // namespace

int emulate(const CliOptions& options, std::ostream& out, std::ostream& err) {
    const auto words = parseWords(options.words, err);
    if (!words) return kExitUsage;
    UniqueFd signals = blockedSignalsFd({SIGINT, SIGTERM, SIGUSR1, SIGUSR2});

    std::ofstream wireFile;
    std::optional<WireLog> wireLog;
    if (options.wireLog) {
        wireFile.open(*options.wireLog);
        if (!wireFile) {
            err << "tarvikctl: cannot write the wire log " << options.wireLog->string() << '\n';
            return kExitFailed;
        }
        wireLog.emplace(wireFile);
    }
    simulator::SimulatedMouse mouse;
    mouse.state().sensorSettings[0] = static_cast<std::uint8_t>(words->sensor);
    simulator::UhidMouse uhid(mouse, words->layout, [&](const simulator::WireRecord& r) {
        if (wireLog && !r.bytes.empty()) wireLog->report(simulator::wireKindName(r.kind), r.bytes);
    });
    std::string error;
    if (!uhid.plug(&error)) {
        err << "tarvikctl: " << error << '\n';
        return kExitFailed;
    }

    simulator::ControlServer control([&](int code, int value) {
        uhid.emitEvent(static_cast<std::uint8_t>(code), static_cast<std::uint8_t>(value));
    });
    uid_t owner = ::getuid();
    const std::string socketPath = pressSocketPath(&owner);
    if (control.listen(socketPath, &error)) {
        if (owner != ::getuid() && ::chown(socketPath.c_str(), owner, static_cast<gid_t>(-1)) != 0)
            err << "tarvikctl: tarvikctl press may not reach " << socketPath << '\n';
    } else {
        err << "tarvikctl: tarvikctl press is unavailable: " << error << '\n';
    }
    out << "virtual mouse 04D9:A09F plugged in (sensor type " << words->sensor << "); Ctrl+C removes it" << std::endl;

    for (;;) {
        std::vector<pollfd> fds{{signals.get(), POLLIN, 0}, {control.fd(), POLLIN, 0}};
        for (int fd : uhid.fds()) fds.push_back({fd, POLLIN, 0});
        if (::poll(fds.data(), fds.size(), -1) < 0 && errno != EINTR) break;
        if (fds[0].revents & POLLIN) {
            signalfd_siginfo info{};
            if (::read(signals.get(), &info, sizeof info) != sizeof info) continue;
            if (info.ssi_signo == SIGUSR1) {
                uhid.unplug();
                out << "unplugged" << std::endl;
            } else if (info.ssi_signo == SIGUSR2) {
                if (uhid.plug(&error)) out << "plugged in" << std::endl;
                else err << "tarvikctl: " << error << '\n';
            } else {
                break;
            }
            continue;  // the device descriptors polled above may be gone
        }
        if (fds[1].revents & POLLIN) control.serviceOne();
        for (std::size_t i = 2; i < fds.size(); ++i)
            if (fds[i].revents) uhid.service(fds[i].fd);
    }
    uhid.unplug();
    if (wireLog) wireLog->report("STATE", simulator::stateBytes(mouse.state()));
    out << "virtual mouse removed" << std::endl;
    return kExitOk;
}

}  // namespace tarvik::cli
