// Macro slot layout, loop count and the event-record encoding.
#include "macros/MacroSlot.h"

#include <algorithm>

#include "base/ProfileFile.h"
#include "buttons/KeyCodes.h"
#include "macros/EventLines.h"

namespace tarvik {
namespace {

bool validSlot(int slot) { return slot >= 1 && slot <= static_cast<int>(kMacroSlotCount); }

std::size_t slotOffset(int slot) { return static_cast<std::size_t>(slot - 1) * kMacroSlotSize; }

// Appends whole events only, so the records stay within the slot.
class RecordWriter {
public:
    explicit RecordWriter(EventRecords& out) : out_(out) {}
    bool append(Byte timing, Byte code, int pause) {
        const std::size_t needed = pause > kLongestShortPauseMs ? 2 : 1;
        if (count_ + needed > kMacroRecordCount) {
            return false;
        }
        if (pause <= kLongestShortPauseMs) {
            put(timing | static_cast<Byte>((pause / 10) & 0x7F), code);
        } else {
            put(timing | static_cast<Byte>((pause % 100) & 0x7F), code);
            put(static_cast<Byte>((pause / 100) & 0xFF), kExtensionCode);
        }
        return true;
    }

private:
    void put(Byte timing, Byte code) {
        out_[2 * count_] = timing;
        out_[2 * count_ + 1] = code;
        ++count_;
    }
    EventRecords& out_;
    std::size_t count_ = 0;
};

}  // namespace

std::span<Byte> macroSlot(ConfigRecord& record, int slot) {
    if (!validSlot(slot)) {
        return {};
    }
    return std::span<Byte>(record.macroSlots).subspan(slotOffset(slot), kMacroSlotSize);
}

std::span<const Byte> macroSlot(const ConfigRecord& record, int slot) {
    if (!validSlot(slot)) {
        return {};
    }
    return std::span<const Byte>(record.macroSlots).subspan(slotOffset(slot), kMacroSlotSize);
}

std::uint16_t GetLoopCount(const ConfigRecord& record, int slot) {
    const auto bytes = macroSlot(record, slot);
    return bytes.empty() ? 0 : static_cast<std::uint16_t>((bytes[0] << 8) | bytes[1]);
}

void SetLoopCount(ConfigRecord& record, int slot, std::uint16_t count) {
    const auto bytes = macroSlot(record, slot);
    if (!bytes.empty()) {
        bytes[0] = static_cast<Byte>(count >> 8);
        bytes[1] = static_cast<Byte>(count & 0xFF);
    }
}

LoopField loopFieldValue(std::string_view text) {
    const int value = leadingInteger(text);
    if (value < 1 || value > 0xFFFF) {
        return {1, true};
    }
    return {static_cast<std::uint16_t>(value), false};
}

EventRecords encodeEventRecords(std::span<const std::string> lines, std::string_view lineAfter, bool* cut) {
    EventRecords records{};
    RecordWriter writer(records);
    for (std::size_t j = 0; j < lines.size(); ++j) {
        const auto event = eventOfLine(lines[j]);
        if (!event) {
            continue;  // delay lines and stray text write nothing
        }
        const int pause = pauseOfLine(j + 1 < lines.size() ? std::string_view(lines[j + 1]) : lineAfter);
        const Byte timing = event->release ? kReleaseFlag : 0;
        if (!writer.append(timing, keyUsageFromName(event->name), pause)) {
            if (cut) {
                *cut = true;
            }
            break;
        }
    }
    return records;
}

void compileIntoSlot(std::span<Byte> slot, int itemCount, std::span<const std::string> lines,
                     std::string_view lineAfter, bool* cut) {
    if (slot.size() != kMacroSlotSize || itemCount < 0) {
        return;
    }
    if (itemCount == 0) {
        std::ranges::fill(slot, Byte{0});
        return;
    }
    std::ranges::copy(encodeEventRecords(lines, lineAfter, cut), slot.begin() + 2);
}

std::string slotHex(std::span<const Byte> slot) {
    constexpr std::string_view kDigits = "0123456789ABCDEF";
    std::string text;
    for (const Byte byte : slot) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[byte >> 4];
        text += kDigits[byte & 0x0F];
    }
    return text;
}

}  // namespace tarvik
