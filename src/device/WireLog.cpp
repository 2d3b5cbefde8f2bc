// Logging decorators: every call goes to the wrapped object, successful transfers are logged.
#include "device/WireLog.h"

#include <string>

#include "platform/WakeEvent.h"

namespace tarvik {
namespace {

std::string hex(std::span<const std::uint8_t> bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    out.reserve(bytes.size() * 2);
    for (std::uint8_t b : bytes) {
        out += digits[b >> 4];
        out += digits[b & 0x0F];
    }
    return out;
}

class LoggedHandle : public platform::HidHandle {
public:
    LoggedHandle(std::unique_ptr<platform::HidHandle> inner, WireLog& log) : inner_(std::move(inner)), log_(log) {}

    bool setFeature(std::span<const std::uint8_t> r) override {
        const bool ok = inner_->setFeature(r);
        if (ok) log_.report("SET_FEATURE", r);
        return ok;
    }
    bool getFeature(std::span<std::uint8_t> r) override {
        const bool ok = inner_->getFeature(r);
        if (ok) log_.report("GET_FEATURE", r);
        return ok;
    }
    std::size_t read(std::span<std::uint8_t> r) override {
        const std::size_t n = inner_->read(r);
        if (n > 0) log_.report("INPUT", r.first(std::min(n, r.size())));
        return n;
    }
    bool write(std::span<const std::uint8_t> r) override {
        const bool ok = inner_->write(r);
        if (ok) log_.report("OUTPUT", r);
        return ok;
    }
    platform::HidEventRead readEvent(std::span<std::uint8_t> r, platform::WakeEvent& wake) override {
        const auto result = inner_->readEvent(r, wake);
        if (result.status == platform::HidEventRead::Status::Report)
            log_.report("INPUT", r.first(std::min(result.length, r.size())));
        return result;
    }

private:
    std::unique_ptr<platform::HidHandle> inner_;
    WireLog& log_;
};

class LoggedBackend : public platform::HidBackend {
public:
    LoggedBackend(platform::HidBackend& inner, WireLog& log) : inner_(inner), log_(log) {}
    std::optional<std::vector<std::string>> enumerate() override { return inner_.enumerate(); }
    std::optional<platform::HidIdentity> identity(const std::string& p) override { return inner_.identity(p); }
    std::optional<platform::HidCapabilities> capabilities(const std::string& p) override {
        return inner_.capabilities(p);
    }
    std::optional<std::vector<platform::HidCapabilities>> collections(const std::string& p) override {
        return inner_.collections(p);
    }
    std::unique_ptr<platform::HidHandle> open(const std::string& p, platform::HidAccess a) override {
        auto handle = inner_.open(p, a);
        if (!handle) return nullptr;
        return std::make_unique<LoggedHandle>(std::move(handle), log_);
    }
    platform::HidOpenError lastOpenError() const override { return inner_.lastOpenError(); }

private:
    platform::HidBackend& inner_;
    WireLog& log_;
};

class LoggedClock : public platform::Clock {
public:
    LoggedClock(platform::Clock& inner, WireLog& log) : inner_(inner), log_(log) {}
    void sleepMs(unsigned ms) override {
        log_.pause(ms);
        inner_.sleepMs(ms);
    }
    std::chrono::steady_clock::time_point now() const override { return inner_.now(); }

private:
    platform::Clock& inner_;
    WireLog& log_;
};

}  // namespace

std::unique_ptr<platform::HidBackend> WireLog::wrap(platform::HidBackend& inner) {
    return std::make_unique<LoggedBackend>(inner, *this);
}

std::unique_ptr<platform::Clock> WireLog::wrap(platform::Clock& inner) {
    return std::make_unique<LoggedClock>(inner, *this);
}

void WireLog::watch(DeviceLink& link) {
    link.keyObserver = [this](const std::array<std::uint8_t, 8>& k) { key(k); };
}

void WireLog::report(std::string_view kind, std::span<const std::uint8_t> bytes) {
    std::lock_guard lock(mutex_);
    out_ << kind << ' ' << hex(bytes) << std::endl;  // flushed: a crash keeps every line written so far
}

void WireLog::pause(unsigned ms) {
    std::lock_guard lock(mutex_);
    out_ << "PAUSE " << ms << std::endl;
}

void WireLog::key(const std::array<std::uint8_t, 8>& k) {
    std::lock_guard lock(mutex_);
    out_ << "KEY " << hex(std::span(k).subspan(1, 6)) << std::endl;
}

}  // namespace tarvik
