// Number fields of the dialogs: decimal reading and the fire-key range corrections.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "ui/DecimalField.h"

namespace tarvik {
namespace {

TEST(DecimalField, ReadsLeadingDigits) {
    const struct {
        const char* text;
        int value;
    } cases[] = {
        {"", 0},
        {"x", 0},
        {"0", 0},
        {"0150", 150},
        {"150", 150},
        {"12a7", 12},
        {"2147483647", INT_MAX},
        {"2147483648", INT_MAX},
        {"99999999999999999999", INT_MAX},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readDecimalField(c.text), c.value);
    }
}

TEST(DecimalField, FireSpeedAndCountRanges) {
    const struct {
        const char* text;
        FieldValue speed, count;
    } cases[] = {
        {"", {5, true}, {0, false}},  // empty count: fire until the button is released
        {"3", {5, true}, {3, false}},         {"5", {5, false}, {5, false}}, {"32", {32, false}, {32, false}},
        {"255", {255, false}, {255, false}},  {"256", {5, true}, {1, true}}, {"300", {5, true}, {1, true}},
        {"4294967301", {5, true}, {1, true}},  // would wrap to 5 in 32 bits
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const FieldValue speed = fireSpeedFromText(c.text), count = fireCountFromText(c.text);
        EXPECT_EQ(speed.value, c.speed.value);
        EXPECT_EQ(speed.replace, c.speed.replace);
        EXPECT_EQ(count.value, c.count.value);
        EXPECT_EQ(count.replace, c.count.replace);
    }
}

}  // namespace
}  // namespace tarvik
