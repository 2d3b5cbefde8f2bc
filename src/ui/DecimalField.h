// Number fields of the dialogs: the value of a field's text, read as the fields have always
// read them (leading decimal digits; nothing else counts).
#pragma once

#include <cstdint>
#include <string_view>

namespace tarvik {

// The decimal value of the leading digits of `text`: "0150" is 150, "" and "x" are 0. A value
// too large for an int reads as the largest int, never as a wrapped-around small number.
int readDecimalField(std::string_view text);

// The fire-key fields. `value` is what the dialog takes; `replace` says the field's text must
// become `value` written out, because the typed number lay outside the range.
struct FieldValue {
    std::uint8_t value;
    bool replace;
};
// Speed, read when the field loses the focus: 5-255, anything else becomes 5.
FieldValue fireSpeedFromText(std::string_view text);
// Count, read at every change: 0-255 (empty is 0), anything above becomes 1.
FieldValue fireCountFromText(std::string_view text);

}  // namespace tarvik
