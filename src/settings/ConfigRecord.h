// The 1985-byte settings record: every device setting and pointer level, at fixed offsets,
// edited in place by the pages and translated by the apply sequence.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace tarvik {

using Byte = std::uint8_t;

constexpr std::size_t kButtonCount = 12;
constexpr std::size_t kButtonRows = 16;
constexpr std::size_t kMacroSlotCount = 12;
constexpr std::size_t kMacroSlotSize = 128;
constexpr std::size_t kDpiStageCount = 4;

// One key mode's button settings: 16 rows of 12 bytes, byte 12*row + button.
using ButtonTable = std::array<Byte, kButtonRows * kButtonCount>;
// Per-button DPI action (1 "DPI +", 2 "DPI -", 3 "DPI Loop", 4 "Shift DPI").
using ButtonExtra = std::array<Byte, kButtonCount>;

enum class ButtonRow : std::size_t {
    Function = 0,
    MediaChoice,
    MediaUsage,
    WindowsChoice,
    WindowsUsageLow,
    WindowsUsageHigh,
    FireChoice,
    FireKeyCode,
    FireSpeed,
    FireTimes,
    SingleKeyCode,
    ComboModifiers,
    ComboKey1,
    ComboKey2,
    MacroIndex,
    MacroRepeatMode,
};

inline Byte& buttonField(ButtonTable& table, ButtonRow row, std::size_t button) {
    return table[static_cast<std::size_t>(row) * kButtonCount + button];
}
inline Byte buttonField(const ButtonTable& table, ButtonRow row, std::size_t button) {
    return table[static_cast<std::size_t>(row) * kButtonCount + button];
}

// Every member is a byte or an array of bytes, so the struct has no padding and its object
// representation is the record as stored in "config.bin".
struct ConfigRecord {
    ButtonTable buttonsModeA{};
    ButtonTable buttonsModeB{};
    std::array<Byte, kMacroSlotCount * kMacroSlotSize> macroSlots{};
    std::array<Byte, 5> reserved1920{};
    Byte reportRateCode = 0;
    Byte reserved1926 = 0;
    std::array<Byte, kDpiStageCount> dpiLevel{};
    std::array<Byte, kDpiStageCount> dpiEnabled{};
    std::array<Byte, kDpiStageCount * 3> dpiColor{};
    Byte lightMode = 0;
    Byte lightParamStandard = 0;
    Byte lightParamRespiration = 0;
    Byte lightParamNeon = 0;
    Byte lightEffectStandard = 0;
    Byte lightEffectRespiration = 0;
    Byte lightEffectNeon = 0;
    Byte reserved1954 = 0;
    Byte enhancePointerPrecision = 0;
    Byte scrollOneScreen = 0;
    Byte pointerSpeedLevel = 0;
    Byte wheelScrollLines = 0;
    Byte doubleClickLevel = 0;
    Byte currentKeyMode = 0;
    ButtonExtra buttonsModeAExtra{};
    ButtonExtra buttonsModeBExtra{};

    ButtonTable& buttons(int mode) { return mode == 0 ? buttonsModeA : buttonsModeB; }
    const ButtonTable& buttons(int mode) const { return mode == 0 ? buttonsModeA : buttonsModeB; }
    ButtonExtra& extra(int mode) { return mode == 0 ? buttonsModeAExtra : buttonsModeBExtra; }
    const ButtonExtra& extra(int mode) const { return mode == 0 ? buttonsModeAExtra : buttonsModeBExtra; }

    bool operator==(const ConfigRecord&) const = default;
};

constexpr std::size_t kConfigRecordSize = 1985;
static_assert(sizeof(ConfigRecord) == kConfigRecordSize);
static_assert(std::is_standard_layout_v<ConfigRecord> && std::is_trivially_copyable_v<ConfigRecord>);
static_assert(offsetof(ConfigRecord, buttonsModeB) == 192);
static_assert(offsetof(ConfigRecord, macroSlots) == 384);
static_assert(offsetof(ConfigRecord, reserved1920) == 1920);
static_assert(offsetof(ConfigRecord, reportRateCode) == 1925);
static_assert(offsetof(ConfigRecord, reserved1926) == 1926);
static_assert(offsetof(ConfigRecord, dpiLevel) == 1927);
static_assert(offsetof(ConfigRecord, dpiEnabled) == 1931);
static_assert(offsetof(ConfigRecord, dpiColor) == 1935);
static_assert(offsetof(ConfigRecord, lightMode) == 1947);
static_assert(offsetof(ConfigRecord, lightEffectNeon) == 1953);
static_assert(offsetof(ConfigRecord, reserved1954) == 1954);
static_assert(offsetof(ConfigRecord, enhancePointerPrecision) == 1955);
static_assert(offsetof(ConfigRecord, doubleClickLevel) == 1959);
static_assert(offsetof(ConfigRecord, currentKeyMode) == 1960);
static_assert(offsetof(ConfigRecord, buttonsModeAExtra) == 1961);
static_assert(offsetof(ConfigRecord, buttonsModeBExtra) == 1973);

using RecordBytes = std::array<Byte, kConfigRecordSize>;
RecordBytes toBytes(const ConfigRecord& record);
ConfigRecord fromBytes(const RecordBytes& bytes);

// The record being edited and its snapshot at the last commit (OK/Apply); Cancel reverts.
struct RecordPair {
    ConfigRecord current{};
    ConfigRecord saved{};
    void commit() { saved = current; }
    void revert() { current = saved; }
};

}  // namespace tarvik
