// Pointer settings held in memory, for tests: each operation can be made unavailable or
// failing, and every write is recorded in order.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/PointerSettings.h"

namespace tarvik::platform {

class FakePointerSettings : public PointerSettings {
public:
    enum class Op {
        getAccelProfile,
        setAccelProfile,
        getPointerSpeed,
        setPointerSpeed,
        getWheelScrollLines,
        setWheelScrollLines,
        getDoubleClickTime,
        setDoubleClickTime
    };

    PointerControls controls() const override { return available; }

    PointerRead<AccelProfile> getAccelProfile() override {
        return read(Op::getAccelProfile, available.enhancePointerPrecision, profile);
    }
    PointerResult setAccelProfile(AccelProfile value) override {
        return write(Op::setAccelProfile, available.enhancePointerPrecision, profile, value);
    }
    PointerRead<double> getPointerSpeed() override {
        return read(Op::getPointerSpeed, available.pointerSpeed, pointerSpeed);
    }
    PointerResult setPointerSpeed(double value) override {
        return write(Op::setPointerSpeed, available.pointerSpeed, pointerSpeed, value);
    }
    PointerRead<std::uint32_t> getWheelScrollLines() override {
        return read(Op::getWheelScrollLines, available.wheelScrollLines || available.scrollOneScreen, lines);
    }
    PointerResult setWheelScrollLines(std::uint32_t value) override {
        const bool page = value == kScrollOneScreenLines;
        return write(Op::setWheelScrollLines, page ? available.scrollOneScreen : available.wheelScrollLines, lines,
                     value);
    }
    PointerRead<unsigned> getDoubleClickTime() override {
        return read(Op::getDoubleClickTime, available.doubleClick, doubleClickMs);
    }
    PointerResult setDoubleClickTime(unsigned value) override {
        return write(Op::setDoubleClickTime, available.doubleClick, doubleClickMs, value);
    }

    // The desktop's current values.
    AccelProfile profile = AccelProfile::flat;
    double pointerSpeed = 0.0;
    std::uint32_t lines = 3;
    unsigned doubleClickMs = 500;

    PointerControls available{true, true, true, true, true};
    std::vector<Op> failing;  // operations that report a failure
    std::vector<Op> calls;    // every operation, in order

private:
    bool fails(Op op) const {
        for (const auto failingOp : failing) {
            if (failingOp == op) {
                return true;
            }
        }
        return false;
    }
    template <class T>
    PointerRead<T> read(Op op, bool isAvailable, T value) {
        calls.push_back(op);
        if (!isAvailable) {
            return PointerRead<T>::unavailable();
        }
        return fails(op) ? PointerRead<T>::failed("fake failure") : PointerRead<T>::of(value);
    }
    template <class T>
    PointerResult write(Op op, bool isAvailable, T& target, T value) {
        calls.push_back(op);
        if (!isAvailable) {
            return PointerResult::unavailable();
        }
        if (fails(op)) {
            return PointerResult::failed("fake failure");
        }
        target = value;
        return PointerResult::done();
    }
};

}  // namespace tarvik::platform
