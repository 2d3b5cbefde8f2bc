// Console presentation of messages and notices for tarvikctl.
#include "cli/ConsoleSink.h"

#include <ostream>

#include "performance/DpiTables.h"

namespace tarvik::cli {

std::string RecordNoticeTexts::text(TextRow row) const { return std::string(catalogue_.text(row)); }

std::string RecordNoticeTexts::dpiName(int stage) const {
    if (stage < 1 || stage > static_cast<int>(kDpiStageCount)) return "";
    return std::string(DpiLabel(sensorType_, record_.dpiLevel[static_cast<std::size_t>(stage - 1)]));
}

void ConsoleSink::message(const std::string& text, const std::string& caption) {
    std::lock_guard lock(mutex_);
    std::string line = text;
    while (!line.empty() && (line.back() == '\n' || line.back() == ' ')) line.pop_back();
    errors_ << "tarvikctl: " << (caption.empty() ? "" : caption + ": ") << line << std::endl;
}

void ConsoleSink::notice(int code, int value) {
    const auto balloon = balloonFor(code, value, texts_);
    if (!balloon || quiet_) return;
    std::lock_guard lock(mutex_);
    notices_ << balloon->text << std::endl;
    if (debugLog_) *debugLog_ << balloonLogLine(code, value, *balloon) << std::endl;
}

void ConsoleSink::trace(const std::string& line) {
    if (debugLog_) *debugLog_ << line << std::endl;
}

}  // namespace tarvik::cli
