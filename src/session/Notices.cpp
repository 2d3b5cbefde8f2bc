// Texts, titles and time-outs of the device notice balloons.
#include "session/Notices.h"

#include <algorithm>

namespace tarvik {
namespace {

bool matches(const NoticeRow& row, NoticeCode code, int value) {
    if (row.code != code) return false;
    if (row.value == kAnyValue) return true;
    if (row.value == kAnyNonZero) return value != 0;
    return row.value == value;
}

}  // namespace

std::optional<Balloon> balloonFor(int number, int value, const NoticeTexts& texts) {
    const NoticeCode code = noticeCode(number);
    auto row = std::find_if(kNoticeRows.begin(), kNoticeRows.end(),
                            [&](const NoticeRow& r) { return matches(r, code, value); });
    if (row == kNoticeRows.end()) return std::nullopt;
    Balloon balloon;
    balloon.text = texts.text(row->catalogueRow);
    if (code == NoticeCode::DpiStage) balloon.text += texts.dpiName(value);
    if (code == NoticeCode::MacroKey) balloon.text += std::to_string(value);
    balloon.title = code == NoticeCode::MouseNotFound ? "Warning" : "Info";
    balloon.timeoutMs = (code == NoticeCode::MouseFound || code == NoticeCode::MouseNotFound) ? 100 : 5000;
    return balloon;
}

std::string balloonLogLine(int code, int value, const Balloon& balloon) {
    return "balloon code=" + std::to_string(code) + " value=" + std::to_string(value) + " title=\"" + balloon.title +
           "\" text=\"" + balloon.text + "\" timeout=" + std::to_string(balloon.timeoutMs);
}

}  // namespace tarvik
