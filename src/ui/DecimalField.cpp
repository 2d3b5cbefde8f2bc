// Decimal field reading and the fire-key range rules.
#include "ui/DecimalField.h"

#include <limits>

namespace tarvik {

int readDecimalField(std::string_view text) {
    constexpr long long kMax = std::numeric_limits<int>::max();
    long long value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') break;
        value = value * 10 + (c - '0');
        if (value > kMax) return static_cast<int>(kMax);  // saturate: "99999999999" is no small delay
    }
    return static_cast<int>(value);
}

FieldValue fireSpeedFromText(std::string_view text) {
    const int value = readDecimalField(text);
    if (value < 5 || value > 255) return {5, true};
    return {static_cast<std::uint8_t>(value), false};
}

FieldValue fireCountFromText(std::string_view text) {
    const int value = readDecimalField(text);
    if (value > 255) return {1, true};
    return {static_cast<std::uint8_t>(value), false};
}

}  // namespace tarvik
