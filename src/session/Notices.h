// Device notices as balloons: which catalogue text, title and time-out each (code, value)
// gets. Codes: 5 report rate, 7 DPI stage, 8 key matrix, 9 macro key, 14/15 mouse (not) found.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tarvik {

struct NoticeRow {
    int code;
    int value;  // kAnyValue: every value of the code
    int catalogueRow;
};
inline constexpr int kAnyValue = -1;
inline constexpr int kAnyNonZero = -2;

inline constexpr std::array<NoticeRow, 13> kNoticeRows{{
    {5, 1, 53}, {5, 2, 54}, {5, 4, 55}, {5, 8, 56},
    {7, 1, 57}, {7, 2, 58}, {7, 3, 59}, {7, 4, 60},
    {8, 1, 61}, {8, 2, 62},
    {9, kAnyNonZero, 65},
    {14, kAnyValue, 68},
    {15, kAnyValue, 67},
}};

struct Balloon {
    std::string title;
    std::string text;
    int timeoutMs = 0;
    bool operator==(const Balloon&) const = default;
};

// What a balloon needs from the rest of the program: the catalogue texts of the interface
// language and the DPI label of a stage (1-4) for the sensor in use.
class NoticeTexts {
public:
    virtual ~NoticeTexts() = default;
    virtual std::string text(int catalogueRow) const = 0;
    virtual std::string dpiName(int stage) const = 0;
};

// The balloon of a notice; nullopt for a (code, value) pair that shows nothing.
std::optional<Balloon> balloonFor(int code, int value, const NoticeTexts& texts);

// The line every shown balloon leaves in the debug log.
std::string balloonLogLine(int code, int value, const Balloon& balloon);

}  // namespace tarvik
