// Device notices as balloons: which catalogue text, title and time-out each (code, value)
// gets; the codes are listed in device/NoticeCode.h.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "device/NoticeCode.h"
#include "ui/TextRows.h"

namespace tarvik {

struct NoticeRow {
    NoticeCode code;
    int value;  // kAnyValue: every value of the code
    TextRow catalogueRow;
};
inline constexpr int kAnyValue = -1;
inline constexpr int kAnyNonZero = -2;

inline constexpr std::array<NoticeRow, 13> kNoticeRows{{
    {NoticeCode::ReportRate, 1, TextRow::SwitchedTo1000Hz},
    {NoticeCode::ReportRate, 2, TextRow::SwitchedTo500Hz},
    {NoticeCode::ReportRate, 4, TextRow::SwitchedTo250Hz},
    {NoticeCode::ReportRate, 8, TextRow::SwitchedTo125Hz},
    {NoticeCode::DpiStage, 1, TextRow::SwitchedToDpiStage1},
    {NoticeCode::DpiStage, 2, TextRow::SwitchedToDpiStage2},
    {NoticeCode::DpiStage, 3, TextRow::SwitchedToDpiStage3},
    {NoticeCode::DpiStage, 4, TextRow::SwitchedToDpiStage4},
    {NoticeCode::KeyMatrix, 1, TextRow::SwitchedToKeyMatrix1},
    {NoticeCode::KeyMatrix, 2, TextRow::SwitchedToKeyMatrix2},
    {NoticeCode::MacroKey, kAnyNonZero, TextRow::SwitchedToMacroKey},
    {NoticeCode::MouseFound, kAnyValue, TextRow::MouseFound},
    {NoticeCode::MouseNotFound, kAnyValue, TextRow::MouseNotFound},
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
    virtual std::string text(TextRow row) const = 0;
    virtual std::string dpiName(int stage) const = 0;
};

// The balloon of a notice; nullopt for a (code, value) pair that shows nothing.
std::optional<Balloon> balloonFor(int code, int value, const NoticeTexts& texts);

// The line every shown balloon leaves in the debug log.
std::string balloonLogLine(int code, int value, const Balloon& balloon);

}  // namespace tarvik
