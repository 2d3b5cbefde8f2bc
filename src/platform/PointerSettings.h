// The desktop's own pointer settings (speed, acceleration profile, wheel lines, page scrolling,
// double-click time), in the desktop's own values; performance/ converts them to the page's levels.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace tarvik::platform {

// unavailable: the desktop has no such setting (the control is shown disabled and skipped
// silently); failed: the setting exists but could not be read or written.
enum class PointerStatus { ok, unavailable, failed };

struct PointerResult {
    PointerStatus status = PointerStatus::ok;
    std::string detail;  // why it failed, for the debug log

    static PointerResult done() { return {}; }
    static PointerResult unavailable() { return {PointerStatus::unavailable, {}}; }
    static PointerResult failed(std::string why) { return {PointerStatus::failed, std::move(why)}; }
};

template <class T>
struct PointerRead {
    PointerStatus status = PointerStatus::ok;
    T value{};  // meaningful only when status is ok
    std::string detail;

    static PointerRead of(T v) { return {PointerStatus::ok, v, {}}; }
    static PointerRead unavailable() { return {PointerStatus::unavailable, T{}, {}}; }
    static PointerRead failed(std::string why) { return {PointerStatus::failed, T{}, std::move(why)}; }
};

// Lines per notch that ask the wheel to scroll one screen instead.
constexpr std::uint32_t kScrollOneScreenLines = 0xFFFFFFFF;

// Pointer speed on libinput's scale: -1 slowest, 0 the desktop's default, 1 fastest.
constexpr double kSlowestPointerSpeed = -1.0;
constexpr double kFastestPointerSpeed = 1.0;

// Flat moves the pointer in proportion to the mouse; adaptive speeds it up with faster moves.
enum class AccelProfile { flat, adaptive };

// Which of the Advanced page's five controls the desktop can honour.
struct PointerControls {
    bool enhancePointerPrecision = false;
    bool scrollOneScreen = false;
    bool pointerSpeed = false;
    bool wheelScrollLines = false;
    bool doubleClick = false;
    bool operator==(const PointerControls&) const = default;
};

class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    virtual PointerControls controls() const = 0;

    virtual PointerRead<AccelProfile> getAccelProfile() = 0;
    virtual PointerResult setAccelProfile(AccelProfile profile) = 0;
    // -1..1; a desktop may hold values outside that range, which are handed over as they are.
    virtual PointerRead<double> getPointerSpeed() = 0;
    virtual PointerResult setPointerSpeed(double speed) = 0;
    // Lines per wheel notch; kScrollOneScreenLines scrolls one screen per notch.
    virtual PointerRead<std::uint32_t> getWheelScrollLines() = 0;
    virtual PointerResult setWheelScrollLines(std::uint32_t lines) = 0;
    // Milliseconds.
    virtual PointerRead<unsigned> getDoubleClickTime() = 0;
    virtual PointerResult setDoubleClickTime(unsigned milliseconds) = 0;
};

// A desktop whose pointer settings we cannot reach: every control is unavailable.
class NoPointerSettings : public PointerSettings {
public:
    PointerControls controls() const override { return {}; }
    PointerRead<AccelProfile> getAccelProfile() override { return PointerRead<AccelProfile>::unavailable(); }
    PointerResult setAccelProfile(AccelProfile) override { return PointerResult::unavailable(); }
    PointerRead<double> getPointerSpeed() override { return PointerRead<double>::unavailable(); }
    PointerResult setPointerSpeed(double) override { return PointerResult::unavailable(); }
    PointerRead<std::uint32_t> getWheelScrollLines() override { return PointerRead<std::uint32_t>::unavailable(); }
    PointerResult setWheelScrollLines(std::uint32_t) override { return PointerResult::unavailable(); }
    PointerRead<unsigned> getDoubleClickTime() override { return PointerRead<unsigned>::unavailable(); }
    PointerResult setDoubleClickTime(unsigned) override { return PointerResult::unavailable(); }
};

}  // namespace tarvik::platform
