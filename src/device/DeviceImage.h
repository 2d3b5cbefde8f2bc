// Device-side values kept beside the record and never saved: what the mouse last answered
// plus what the program last sent.
#pragma once

#include <array>
#include <cstdint>

namespace tarvik {

struct DeviceImage {
    std::array<std::uint8_t, 4> sensorSettings{};  // sensor type, rate, option 1, option 2
    std::uint8_t sensorTypeInUse = 0;
    std::array<std::uint8_t, 3> lightEffect{};  // effect, option 1, option 2
    std::array<std::array<std::uint8_t, 3>, 2> lightOptionSets{};
    std::array<std::array<std::uint8_t, 24>, 2> colorBlocks{};
    std::array<std::uint8_t, 8> dpiCodes{};
    std::array<std::uint8_t, 256> keyMatrices{};  // KeyMatrix m (1-4) at 64 * (m - 1)
    std::array<std::uint8_t, 12 * 128> macroImage{};
};

}  // namespace tarvik
