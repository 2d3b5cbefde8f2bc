// The user sink of tarvikctl: messages go to standard error, notices are printed as their
// English balloon text (or handed to a callback), trace lines go to the debug log if any.
#pragma once

#include <cstdint>
#include <functional>
#include <iosfwd>
#include <mutex>
#include <string>

#include "platform/UserSink.h"
#include "session/Notices.h"
#include "settings/ConfigRecord.h"
#include "ui/TextCatalogue.h"

namespace tarvik::cli {

// Balloon texts from the catalogue and the DPI name of a stage from the record.
class RecordNoticeTexts : public NoticeTexts {
public:
    RecordNoticeTexts(const TextCatalogue& catalogue, const ConfigRecord& record, const std::uint8_t& sensorType)
        : catalogue_(catalogue), record_(record), sensorType_(sensorType) {}
    std::string text(TextRow row) const override;
    std::string dpiName(int stage) const override;

private:
    const TextCatalogue& catalogue_;
    const ConfigRecord& record_;
    const std::uint8_t& sensorType_;
};

class ConsoleSink : public platform::UserSink {
public:
    ConsoleSink(std::ostream& notices, std::ostream& errors, const NoticeTexts& texts)
        : notices_(notices), errors_(errors), texts_(texts) {}
    void message(const std::string& text, const std::string& caption) override;
    void notice(int code, int value) override;
    void trace(const std::string& line) override;
    void setDebugLog(std::ostream* log) { debugLog_ = log; }
    // While quiet, notices are not printed (a command that only peeks at the mouse).
    void setQuiet(bool quiet) { quiet_ = quiet; }

private:
    std::ostream& notices_;
    std::ostream& errors_;
    const NoticeTexts& texts_;
    std::ostream* debugLog_ = nullptr;
    bool quiet_ = false;
    std::mutex mutex_;  // notices also come from the listener thread
};

}  // namespace tarvik::cli
