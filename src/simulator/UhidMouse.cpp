// /dev/uhid requests and replies. Report-id framing follows what usbhid hands hidraw for a
// real device: the kernel passes the report number as the first byte of a SET_REPORT or
// OUTPUT request (0 without numbered reports) and copies a GET_REPORT reply to the caller's
// buffer from its first byte, so the reply carries that byte too; input reports carry an id
// byte only when the descriptor numbers its reports.
#include "simulator/UhidMouse.h"

#include <fcntl.h>
#include <linux/uhid.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>

#include "device/DeviceLink.h"

namespace tarvik::simulator {
namespace {

constexpr std::uint8_t kEventId = 6;

bool writeEvent(int fd, const uhid_event& event) {
    ssize_t put;
    do {
        put = ::write(fd, &event, sizeof event);
    } while (put < 0 && errno == EINTR);
    return put == static_cast<ssize_t>(sizeof event);
}

void copyText(std::uint8_t* field, std::size_t size, std::string_view text) {
    std::memcpy(field, text.data(), std::min(size - 1, text.size()));
}

}  // namespace

UhidMouse::UhidMouse(SimulatedMouse& mouse, UhidLayout layout, WireSink onWire, std::string uhidPath)
    : mouse_(mouse), layout_(layout), onWire_(std::move(onWire)), uhidPath_(std::move(uhidPath)) {}

UhidMouse::~UhidMouse() { unplug(); }

bool UhidMouse::create(const UhidInterface& interface, std::string* error) {
    UniqueFd fd(::open(uhidPath_.c_str(), O_RDWR | O_CLOEXEC | O_NONBLOCK));
    if (!fd) {
        if (error)
            *error = "cannot open " + uhidPath_ + ": " + std::strerror(errno) +
                     (errno == ENOENT ? " (load the uhid module: modprobe uhid)" : "") +
                     (errno == EACCES ? " (run it as root)" : "");
        return false;
    }
    auto request = std::make_unique<uhid_event>();
    *request = {};
    request->type = UHID_CREATE2;
    auto& c = request->u.create2;
    copyText(c.name, sizeof c.name, "Tarvik virtual mouse " + std::string(interface.name));
    copyText(c.phys, sizeof c.phys, "tarvik-uhid/" + std::string(interface.name));
    c.rd_size = static_cast<std::uint16_t>(interface.descriptor.size());
    c.bus = 0x03;  // BUS_USB
    c.vendor = kMouseVendor;
    c.product = kMouseProduct;
    c.version = 0x0100;
    std::ranges::copy(interface.descriptor, c.rd_data);
    if (!writeEvent(fd.get(), *request)) {
        if (error)
            *error =
                "the kernel refused the virtual " + std::string(interface.name) + " interface: " + std::strerror(errno);
        return false;
    }
    devices_.push_back({std::move(fd), interface});
    return true;
}

bool UhidMouse::plug(std::string* error) {
    if (plugged()) return true;
    for (const UhidInterface& interface : uhidInterfaces(layout_)) {
        if (!create(interface, error)) {
            unplug();
            return false;
        }
    }
    return true;
}

void UhidMouse::unplug() {
    if (!plugged()) return;
    uhid_event destroy{};
    destroy.type = UHID_DESTROY;
    for (Device& d : devices_) writeEvent(d.fd.get(), destroy);
    devices_.clear();  // closing the descriptor destroys a device the request missed
    mouse_.powerCycle();
}

std::vector<int> UhidMouse::fds() const {
    std::vector<int> out;
    for (const Device& d : devices_) out.push_back(d.fd.get());
    return out;
}

void UhidMouse::service(int fd) {
    auto it = std::ranges::find_if(devices_, [fd](const Device& d) { return d.fd.get() == fd; });
    if (it == devices_.end()) return;
    auto request = std::make_unique<uhid_event>();
    for (;;) {
        const ssize_t got = ::read(fd, request.get(), sizeof *request);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return;  // EAGAIN: nothing more pending
        handle(*it, *request);
    }
}

void UhidMouse::handle(Device& device, const uhid_event& request) {
    auto reply = std::make_unique<uhid_event>();
    *reply = {};
    switch (request.type) {
    case UHID_GET_REPORT: {
        reply->type = UHID_GET_REPORT_REPLY;
        auto& r = reply->u.get_report_reply;
        r.id = request.u.get_report.id;
        r.err = EIO;
        if (device.interface.command && request.u.get_report.rtype == UHID_FEATURE_REPORT) {
            std::array<std::uint8_t, kUhidFeatureBytes> report{};
            if (mouse_.getFeature(report)) {
                r.err = 0;
                r.size = report.size();
                std::ranges::copy(report, r.data);
            }
        }
        writeEvent(device.fd.get(), *reply);
        flushWire();
        // The chunks of a read answer follow on the interrupt endpoint.
        if (device.interface.command) sendPendingChunks(device);
        break;
    }
    case UHID_SET_REPORT: {
        const auto& s = request.u.set_report;
        reply->type = UHID_SET_REPORT_REPLY;
        reply->u.set_report_reply.id = s.id;
        reply->u.set_report_reply.err = EIO;
        if (device.interface.command && s.rtype == UHID_FEATURE_REPORT) {
            mouse_.setFeature(std::span(s.data, std::min<std::size_t>(s.size, UHID_DATA_MAX)));
            reply->u.set_report_reply.err = 0;
        }
        writeEvent(device.fd.get(), *reply);
        flushWire();
        break;
    }
    case UHID_OUTPUT:
        if (device.interface.command && request.u.output.rtype == UHID_OUTPUT_REPORT) {
            mouse_.output(
                std::span(request.u.output.data, std::min<std::size_t>(request.u.output.size, UHID_DATA_MAX)));
            flushWire();
        }
        break;
    default: break;  // START, STOP, OPEN, CLOSE need no answer
    }
}

void UhidMouse::sendPendingChunks(Device& device) {
    auto event = std::make_unique<uhid_event>();
    while (mouse_.inputPending()) {
        // The firmware hands the report id first; without numbered reports it stays off the wire.
        std::array<std::uint8_t, 1 + kUhidChunkBytes> report{};
        const std::size_t length = mouse_.input(report);
        flushWire();
        if (length <= 1) break;
        *event = {};
        event->type = UHID_INPUT2;
        event->u.input2.size = static_cast<std::uint16_t>(length - 1);
        std::copy_n(report.begin() + 1, length - 1, event->u.input2.data);
        writeEvent(device.fd.get(), *event);
    }
}

bool UhidMouse::emitEvent(std::uint8_t code, std::uint8_t value) {
    auto it = std::ranges::find_if(devices_, [](const Device& d) { return d.interface.event; });
    if (it == devices_.end()) return false;
    uhid_event event{};
    event.type = UHID_INPUT2;
    const std::array<std::uint8_t, 5> report{kEventId, code, 0, value, 0};
    event.u.input2.size = report.size();
    std::ranges::copy(report, event.u.input2.data);
    return writeEvent(it->fd.get(), event);
}

void UhidMouse::flushWire() {
    if (onWire_)
        for (const WireRecord& r : mouse_.wire()) onWire_(r);
    mouse_.clearRecords();
}

}  // namespace tarvik::simulator
