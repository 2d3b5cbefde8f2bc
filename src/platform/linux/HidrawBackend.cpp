// hidraw backend: sysfs for the list, identity and report descriptor; the node for reports.
// The only file besides the udev monitor that talks to the kernel's HID interfaces.
#include "platform/linux/HidrawBackend.h"

#include <fcntl.h>
#include <linux/hidraw.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <iterator>
#include <system_error>
#include <vector>

#include "platform/WakeEvent.h"
#include "platform/linux/HidId.h"

namespace tarvik::platform {
namespace {

namespace fs = std::filesystem;

// The kernel caps descriptors at 4 KiB; anything much bigger is not a report descriptor.
constexpr std::size_t kMaxDescriptorBytes = 64 * 1024;
constexpr std::size_t kMaxAttributeBytes = 4096;
// The feature ioctls encode the length in 14 bits; a longer buffer would make another request.
constexpr std::size_t kMaxIoctlLength = (1u << _IOC_SIZEBITS) - 1;

// "hidraw12" -> 12; nullopt for any other name, so no caller's path can walk elsewhere in sysfs.
std::optional<unsigned> hidrawNumber(std::string_view name) {
    constexpr std::string_view prefix = "hidraw";
    if (!name.starts_with(prefix) || name.size() == prefix.size()) return std::nullopt;
    unsigned number = 0;
    const char* first = name.data() + prefix.size();
    const char* last = name.data() + name.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (error != std::errc{} || end != last) return std::nullopt;
    return number;
}

std::optional<std::string> readFile(const fs::path& path, std::size_t maxBytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    std::string text(maxBytes + 1, '\0');
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (in.bad()) return std::nullopt;
    const auto got = static_cast<std::size_t>(in.gcount());
    if (got > maxBytes) return std::nullopt;
    text.resize(got);
    return text;
}

int openFlags(HidAccess access) {
    switch (access) {
    case HidAccess::None: return O_PATH;
    case HidAccess::Read: return O_RDONLY;
    case HidAccess::Write: return O_WRONLY;
    case HidAccess::ReadWrite: return O_RDWR;
    }
    return O_PATH;
}

template <typename Call>
auto retryOnInterrupt(Call call) {
    decltype(call()) result;
    do {
        result = call();
    } while (result < 0 && errno == EINTR);
    return result;
}

}  // namespace

HidrawHandle::HidrawHandle(UniqueFd fd, bool numberedReports) : fd_(std::move(fd)), numbered_(numberedReports) {}

bool HidrawHandle::setFeature(std::span<const std::uint8_t> report) {
    if (report.empty() || report.size() > kMaxIoctlLength) return false;
    // The ioctl wants a writable buffer although it only reads it.
    std::vector<std::uint8_t> buffer(report.begin(), report.end());
    return retryOnInterrupt([&] { return ::ioctl(fd_.get(), HIDIOCSFEATURE(buffer.size()), buffer.data()); }) >= 0;
}

bool HidrawHandle::getFeature(std::span<std::uint8_t> report) {
    if (report.empty() || report.size() > kMaxIoctlLength) return false;
    return retryOnInterrupt([&] { return ::ioctl(fd_.get(), HIDIOCGFEATURE(report.size()), report.data()); }) >= 0;
}

long HidrawHandle::readReport(std::span<std::uint8_t> report) {
    if (report.empty()) return 0;
    if (numbered_) {
        return retryOnInterrupt([&] { return ::read(fd_.get(), report.data(), report.size()); });
    }
    report[0] = 0;
    const long got = retryOnInterrupt([&] { return ::read(fd_.get(), report.data() + 1, report.size() - 1); });
    return got > 0 ? got + 1 : got;
}

std::size_t HidrawHandle::read(std::span<std::uint8_t> report) {
    const long got = readReport(report);
    return got > 0 ? static_cast<std::size_t>(got) : 0;
}

bool HidrawHandle::write(std::span<const std::uint8_t> report) {
    // hidraw takes the id byte first in both cases (0 without numbered reports).
    if (report.empty()) return false;
    const long put = retryOnInterrupt([&] { return ::write(fd_.get(), report.data(), report.size()); });
    return put == static_cast<long>(report.size());
}

HidEventRead HidrawHandle::readEvent(std::span<std::uint8_t> report, WakeEvent& wake) {
    const HidEventRead gone{HidEventRead::Status::Gone, 0};
    if (report.empty()) return gone;
    for (;;) {
        pollfd fds[2] = {{fd_.get(), POLLIN, 0}, {wake.fd(), POLLIN, 0}};
        if (retryOnInterrupt([&] { return ::poll(fds, 2, -1); }) < 0) return gone;
        // A wake-up wins over pending data: the caller asked the read to stop.
        if (fds[1].revents & POLLIN) return {HidEventRead::Status::Woken, 0};
        // hidraw reports an unplugged device as POLLHUP | POLLERR (older kernels only fail the read).
        if (fds[0].revents & POLLIN) {
            const long got = readReport(report);
            if (got > 0) return {HidEventRead::Status::Report, static_cast<std::size_t>(got)};
            if (got < 0 && errno == EAGAIN) continue;
            return gone;  // end of file, ENODEV or EIO: the device went away
        }
        if (fds[0].revents & (POLLHUP | POLLERR | POLLNVAL)) return gone;
    }
}

HidrawBackend::HidrawBackend(fs::path sysfsRoot, fs::path devRoot)
    : sysfsRoot_(std::move(sysfsRoot)), devRoot_(std::move(devRoot)) {}

std::optional<std::vector<std::string>> HidrawBackend::enumerate() {
    const fs::path classDir = sysfsRoot_ / "class" / "hidraw";
    std::error_code error;
    // Without the hidraw class there is no HID device yet: an empty list, not a failure.
    if (!fs::exists(classDir, error)) return error ? std::nullopt : std::optional{std::vector<std::string>{}};
    std::vector<std::pair<unsigned, std::string>> nodes;
    for (fs::directory_iterator it(classDir, error), end; !error && it != end; it.increment(error)) {
        const std::string name = it->path().filename().string();
        if (const auto number = hidrawNumber(name)) nodes.emplace_back(*number, (devRoot_ / name).string());
    }
    if (error) return std::nullopt;
    std::sort(nodes.begin(), nodes.end());
    std::vector<std::string> paths;
    paths.reserve(nodes.size());
    for (auto& node : nodes) paths.push_back(std::move(node.second));
    return paths;
}

fs::path HidrawBackend::hidDeviceDir(const std::string& path) const {
    const std::string name = fs::path(path).filename().string();
    if (!hidrawNumber(name)) return {};
    return sysfsRoot_ / "class" / "hidraw" / name / "device";
}

std::optional<HidIdentity> HidrawBackend::identity(const std::string& path) {
    const fs::path dir = hidDeviceDir(path);
    if (dir.empty()) return std::nullopt;
    const auto uevent = readFile(dir / "uevent", kMaxAttributeBytes);
    if (!uevent) return std::nullopt;
    auto id = hidIdFromUevent(*uevent);
    if (!id) return std::nullopt;
    // For USB the release number sits two levels up, on the USB device (HID device ->
    // USB interface -> USB device); other buses have none and keep 0.
    if (const auto bcd = readFile(dir / ".." / ".." / "bcdDevice", kMaxAttributeBytes)) {
        id->version = parseHex16(*bcd).value_or(0);
    }
    return id;
}

std::optional<ParsedDescriptor> HidrawBackend::descriptor(const std::string& path) const {
    const fs::path dir = hidDeviceDir(path);
    if (dir.empty()) return std::nullopt;
    const auto bytes = readFile(dir / "report_descriptor", kMaxDescriptorBytes);
    if (!bytes) return std::nullopt;
    return parseReportDescriptor(std::span(reinterpret_cast<const std::uint8_t*>(bytes->data()), bytes->size()));
}

std::optional<HidCapabilities> HidrawBackend::capabilities(const std::string& path) {
    const auto parsed = descriptor(path);
    if (!parsed) return std::nullopt;
    return parsed->capabilities;
}

std::optional<std::vector<HidCapabilities>> HidrawBackend::collections(const std::string& path) {
    auto parsed = descriptor(path);
    if (!parsed) return std::nullopt;
    return std::move(parsed->collections);
}

std::unique_ptr<HidHandle> HidrawBackend::open(const std::string& path, HidAccess access) {
    // Whether reports carry an id decides how reads are framed; without a readable
    // descriptor the framing would be a guess, so such a node is not opened for reports.
    lastOpenError_ = HidOpenError::Other;
    bool numbered = false;
    if (access != HidAccess::None) {
        const auto parsed = descriptor(path);
        if (!parsed) return nullptr;
        numbered = parsed->numberedReports;
    }
    UniqueFd fd(retryOnInterrupt([&] { return ::open(path.c_str(), openFlags(access) | O_CLOEXEC); }));
    if (!fd) {
        if (errno == EACCES || errno == EPERM) lastOpenError_ = HidOpenError::Denied;
        return nullptr;
    }
    lastOpenError_ = HidOpenError::None;
    return std::make_unique<HidrawHandle>(std::move(fd), numbered);
}

}  // namespace tarvik::platform
