// The simulator's HID backend: handles share one state under a lock; event reports travel
// through a packet socket so a blocked read can poll it beside the wake-up and unplug signals.
#include "simulator/SimulatorBackend.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <mutex>
#include <stdexcept>

#include "device/DeviceLink.h"
#include "platform/WakeEvent.h"

namespace tarvik::simulator {

using platform::HidAccess;
using platform::HidEventRead;

namespace {

// One period of the mouse being plugged in: its event channel and an unplug signal.
struct Plug {
    int events[2] = {-1, -1};  // [0] read side, [1] write side
    int gone = -1;             // eventfd, readable once this period ends

    Plug() {
        if (::socketpair(AF_UNIX, SOCK_SEQPACKET | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, events) < 0)
            throw std::runtime_error("simulator: cannot create the event channel");
        gone = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
        if (gone < 0) throw std::runtime_error("simulator: cannot create the unplug signal");
    }
    ~Plug() {
        for (int fd : {events[0], events[1], gone})
            if (fd >= 0) ::close(fd);
    }
    Plug(const Plug&) = delete;
    Plug& operator=(const Plug&) = delete;

    void end() const {
        const std::uint64_t one = 1;
        while (::write(gone, &one, sizeof one) < 0 && errno == EINTR) {
        }
    }
};

constexpr const char* kMouseHardwareId = "HID\\VID_04D9&PID_A09F";

}  // namespace

struct SimulatorBackend::Shared {
    mutable std::mutex mutex;
    SimulatedMouse mouse;
    std::vector<SimInterface> interfaces{eventCollection(), commandCollection()};
    bool plugged = true;
    std::shared_ptr<Plug> plug = std::make_shared<Plug>();
    int transfersLeft = 0;  // unplug when it reaches 0 after counting down; 0 = off
    std::atomic<int> openHandles{0};
    platform::HidOpenError lastOpenError = platform::HidOpenError::None;

    const SimInterface* find(const std::string& path) const {
        auto it = std::ranges::find(interfaces, path, &SimInterface::path);
        return it == interfaces.end() ? nullptr : &*it;
    }
    // A listed interface that is present now: the mouse's own only while plugged.
    const SimInterface* present(const std::string& path) const {
        const SimInterface* i = find(path);
        if (!i || (i->role != SimInterface::Role::Foreign && !plugged)) return nullptr;
        return i;
    }
    void unplugLocked() {
        if (!plugged) return;
        plugged = false;
        plug->end();
    }
    void countTransfer() {
        if (transfersLeft > 0 && --transfersLeft == 0) unplugLocked();
    }
};

namespace {

class SimHandle : public platform::HidHandle {
public:
    SimHandle(std::shared_ptr<SimulatorBackend::Shared> shared, std::shared_ptr<Plug> plug, SimInterface::Role role)
        : shared_(std::move(shared)), plug_(std::move(plug)), role_(role) {
        ++shared_->openHandles;
    }
    ~SimHandle() override { --shared_->openHandles; }
    SimHandle(const SimHandle&) = delete;
    SimHandle& operator=(const SimHandle&) = delete;

    bool setFeature(std::span<const std::uint8_t> report) override {
        return onCommand([&](SimulatedMouse& m) {
            m.setFeature(report);
            return true;
        });
    }
    bool getFeature(std::span<std::uint8_t> report) override {
        return onCommand([&](SimulatedMouse& m) { return m.getFeature(report); });
    }
    std::size_t read(std::span<std::uint8_t> report) override {
        if (role_ == SimInterface::Role::Event) return readEventNow(report);
        std::size_t got = 0;
        onCommand([&](SimulatedMouse& m) {
            got = m.input(report);
            return got > 0;
        });
        return got;
    }
    bool write(std::span<const std::uint8_t> report) override {
        return onCommand([&](SimulatedMouse& m) {
            m.output(report);
            return true;
        });
    }

    HidEventRead readEvent(std::span<std::uint8_t> report, platform::WakeEvent& wake) override {
        if (role_ != SimInterface::Role::Event || !alive()) return {HidEventRead::Status::Gone, 0};
        for (;;) {
            pollfd fds[3] = {{plug_->gone, POLLIN, 0}, {plug_->events[0], POLLIN, 0}, {wake.fd(), POLLIN, 0}};
            if (::poll(fds, 3, -1) < 0) {
                if (errno == EINTR) continue;
                return {HidEventRead::Status::Gone, 0};
            }
            if (fds[0].revents & POLLIN) return {HidEventRead::Status::Gone, 0};
            if (fds[1].revents & POLLIN) {
                const std::size_t got = readEventNow(report);
                if (got > 0) return {HidEventRead::Status::Report, got};
            }
            if (fds[2].revents & POLLIN) return {HidEventRead::Status::Woken, 0};
        }
    }

private:
    bool alive() const {
        std::lock_guard lock(shared_->mutex);
        return shared_->plugged && shared_->plug == plug_;
    }

    template <typename Op>
    bool onCommand(Op op) {
        std::lock_guard lock(shared_->mutex);
        if (role_ != SimInterface::Role::Command || !shared_->plugged || shared_->plug != plug_) return false;
        const bool ok = op(shared_->mouse);
        shared_->countTransfer();
        return ok;
    }

    std::size_t readEventNow(std::span<std::uint8_t> report) {
        const ssize_t got = ::recv(plug_->events[0], report.data(), report.size(), MSG_DONTWAIT);
        return got > 0 ? static_cast<std::size_t>(got) : 0;
    }

    std::shared_ptr<SimulatorBackend::Shared> shared_;
    std::shared_ptr<Plug> plug_;
    SimInterface::Role role_;
};

}  // namespace

SimInterface commandCollection() {
    return {"/sim/hidraw-command",
            SimInterface::Role::Command,
            {kMouseVendor, kMouseProduct, 0x0100},
            {0xFF00, 0xFF00, kSimFeatureLength, kSimChunkLength, kSimChunkLength}};
}

SimInterface eventCollection() {
    return {"/sim/hidraw-event",
            SimInterface::Role::Event,
            {kMouseVendor, kMouseProduct, 0x0100},
            {0xFF01, 0xFF01, 0, kSimEventLength, 0}};
}

SimInterface foreignDevice(int n) {
    return {"/sim/hidraw-foreign" + std::to_string(n),
            SimInterface::Role::Foreign,
            {0x046D, 0xC077, 0x0100},
            {0xFF00, 0xFF00, kSimFeatureLength, kSimChunkLength, kSimChunkLength}};
}

SimInterface keyboardWithEventCollection() {
    SimInterface i = eventCollection();
    i.path = "/sim/hidraw-keyboard";
    i.caps = {0x0001, 0x0006, 0, 9, 0};
    i.moreCollections = {{0x000C, 0x0001, 0, 3, 0}, {0x0001, 0x0080, 0, 2, 0}, eventCollection().caps};
    return i;
}

SimulatorBackend::SimulatorBackend() : shared_(std::make_shared<Shared>()) {}
SimulatorBackend::~SimulatorBackend() = default;

std::vector<SimInterface>& SimulatorBackend::interfaces() { return shared_->interfaces; }
SimulatedMouse& SimulatorBackend::mouse() { return shared_->mouse; }

bool SimulatorBackend::emitEvent(std::uint8_t code, std::uint8_t value) {
    return emitReport({kEventReportId, code, 0, value, 0});
}

bool SimulatorBackend::emitReport(std::vector<std::uint8_t> report) {
    std::lock_guard lock(shared_->mutex);
    if (!shared_->plugged) return false;
    return ::send(shared_->plug->events[1], report.data(), report.size(), MSG_DONTWAIT | MSG_NOSIGNAL) > 0;
}

void SimulatorBackend::unplug() {
    std::lock_guard lock(shared_->mutex);
    shared_->unplugLocked();
}

void SimulatorBackend::replug() {
    std::lock_guard lock(shared_->mutex);
    if (shared_->plugged) return;
    shared_->plugged = true;
    shared_->plug = std::make_shared<Plug>();
    shared_->mouse.powerCycle();
}

bool SimulatorBackend::plugged() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->plugged;
}

void SimulatorBackend::unplugAfterTransfers(int n) {
    std::lock_guard lock(shared_->mutex);
    shared_->transfersLeft = std::max(n, 0);
}

int SimulatorBackend::openHandles() const { return shared_->openHandles.load(); }

platform::DeviceChange SimulatorBackend::change(platform::DeviceChange::Kind kind, SimInterface::Role role) const {
    std::lock_guard lock(shared_->mutex);
    auto it = std::ranges::find(shared_->interfaces, role, &SimInterface::role);
    platform::DeviceChange c;
    c.kind = kind;
    if (it != shared_->interfaces.end()) c.path = it->path;
    c.hardwareId = role == SimInterface::Role::Foreign ? "HID\\VID_046D&PID_C077" : kMouseHardwareId;
    return c;
}

std::optional<std::vector<std::string>> SimulatorBackend::enumerate() {
    std::lock_guard lock(shared_->mutex);
    std::vector<std::string> paths;
    for (const auto& i : shared_->interfaces)
        if (shared_->present(i.path)) paths.push_back(i.path);
    return paths;
}

std::optional<platform::HidIdentity> SimulatorBackend::identity(const std::string& path) {
    std::lock_guard lock(shared_->mutex);
    const SimInterface* i = shared_->present(path);
    if (!i || !i->probeable) return std::nullopt;
    return i->identity;
}

std::optional<platform::HidCapabilities> SimulatorBackend::capabilities(const std::string& path) {
    std::lock_guard lock(shared_->mutex);
    const SimInterface* i = shared_->present(path);
    if (!i || !i->probeable || !i->describable) return std::nullopt;
    return i->caps;
}

std::optional<std::vector<platform::HidCapabilities>> SimulatorBackend::collections(const std::string& path) {
    const auto first = capabilities(path);
    if (!first) return std::nullopt;
    std::lock_guard lock(shared_->mutex);
    std::vector<platform::HidCapabilities> all{*first};
    const SimInterface* i = shared_->find(path);
    all.insert(all.end(), i->moreCollections.begin(), i->moreCollections.end());
    return all;
}

std::unique_ptr<platform::HidHandle> SimulatorBackend::open(const std::string& path, HidAccess /*access*/) {
    std::lock_guard lock(shared_->mutex);
    const SimInterface* i = shared_->present(path);
    shared_->lastOpenError = i && i->denied ? platform::HidOpenError::Denied : platform::HidOpenError::Other;
    if (!i || !i->openable || i->denied) return nullptr;
    shared_->lastOpenError = platform::HidOpenError::None;
    return std::make_unique<SimHandle>(shared_, shared_->plug, i->role);
}

platform::HidOpenError SimulatorBackend::lastOpenError() const {
    std::lock_guard lock(shared_->mutex);
    return shared_->lastOpenError;
}

}  // namespace tarvik::simulator
