// The desktop's own pointer settings (speed, precision, wheel lines, page scrolling,
// double-click time), in the values the Advanced page's levels are converted to.
#pragma once

#include <array>
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

// Threshold 1, threshold 2, acceleration: acceleration 0 means "Enhance Pointer Precision" off.
using MouseParams = std::array<int, 3>;

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

    virtual PointerRead<MouseParams> getMouse() = 0;
    virtual PointerResult setMouse(const MouseParams& params) = 0;
    // Speed 1-20, 10 the usual middle.
    virtual PointerRead<int> getMouseSpeed() = 0;
    virtual PointerResult setMouseSpeed(int speed) = 0;
    // Lines per wheel notch; 0xFFFFFFFF scrolls one screen per notch.
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
    PointerRead<MouseParams> getMouse() override { return PointerRead<MouseParams>::unavailable(); }
    PointerResult setMouse(const MouseParams&) override { return PointerResult::unavailable(); }
    PointerRead<int> getMouseSpeed() override { return PointerRead<int>::unavailable(); }
    PointerResult setMouseSpeed(int) override { return PointerResult::unavailable(); }
    PointerRead<std::uint32_t> getWheelScrollLines() override { return PointerRead<std::uint32_t>::unavailable(); }
    PointerResult setWheelScrollLines(std::uint32_t) override { return PointerResult::unavailable(); }
    PointerRead<unsigned> getDoubleClickTime() override { return PointerRead<unsigned>::unavailable(); }
    PointerResult setDoubleClickTime(unsigned) override { return PointerResult::unavailable(); }
};

}  // namespace tarvik::platform
