// The 128-byte macro slots of the record: a big-endian loop count and up to 63 two-byte
// event records (timing byte, key or button code), and the compile of event lines into them.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "settings/ConfigRecord.h"

namespace tarvik {

constexpr std::size_t kMacroRecordCount = 63;
constexpr std::size_t kEventRecordBytes = kMacroSlotSize - 2;
constexpr Byte kReleaseFlag = 0x80;
constexpr Byte kExtensionCode = 0x03;
// Pauses up to this many milliseconds fit one record (in tens); longer ones add a record.
constexpr int kLongestShortPauseMs = 1270;

using EventRecords = std::array<Byte, kEventRecordBytes>;

// Slot n (1-12) of the record; an empty span for any other n.
std::span<Byte> macroSlot(ConfigRecord& record, int slot);
std::span<const Byte> macroSlot(const ConfigRecord& record, int slot);

// The loop count of slot n (1-12); 0 for any other n, and SetLoopCount ignores it.
std::uint16_t GetLoopCount(const ConfigRecord& record, int slot);
void SetLoopCount(ConfigRecord& record, int slot, std::uint16_t count);

// The "Loop Times" field: the decimal value of its text, and whether the text must be
// replaced by "1" because the value is outside 1-65535 (empty text counts as 0).
struct LoopField {
    std::uint16_t count = 1;
    bool resetText = false;
    bool operator==(const LoopField&) const = default;
};
LoopField loopFieldValue(std::string_view text);

// The event records of a list of event lines. Records stop at 63: an event whose records
// would not all fit is left out with every event after it, so a long macro never spills.
// `lineAfter` is the line that follows the list in the file, if any: it gives the pause of
// the last line only (empty text, like any line that is no delay line, gives 0).
// *cut, when given, is set when events were left out.
EventRecords encodeEventRecords(std::span<const std::string> lines, std::string_view lineAfter = {},
                                bool* cut = nullptr);

// One section's compile into its slot: an item count of 0 clears the whole slot, a
// negative one leaves it as it is, otherwise the loop count stays and the records are new
// (*cut set as encodeEventRecords sets it).
void compileIntoSlot(std::span<Byte> slot, int itemCount, std::span<const std::string> lines,
                     std::string_view lineAfter = {}, bool* cut = nullptr);

// The slot's bytes as two-digit upper-case hex numbers separated by blanks.
std::string slotHex(std::span<const Byte> slot);

}  // namespace tarvik
