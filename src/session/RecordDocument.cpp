// Writing the record as a JSON document and reading one back: the shape is checked first
// (fields, types, ranges), then the rules that tie fields together, as the Basic page keeps them.
#include "session/RecordDocument.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdio>
#include <initializer_list>
#include <span>

#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "macros/MacroSlot.h"
#include "performance/DpiTables.h"
#include "performance/Lighting.h"
#include "performance/PointerLevels.h"
#include "session/Json.h"

namespace tarvik {
namespace {

using json::Value;
using Keys = std::initializer_list<std::string_view>;

constexpr std::array<std::string_view, 2> kModeNames{"A", "B"};
// Row names of a button table, in row order (ButtonRow).
constexpr std::array<std::string_view, kButtonRows> kRowNames{
    "function",   "mediaChoice", "mediaUsage", "windowsChoice",   "windowsUsageLow", "windowsUsageHigh",
    "fireChoice", "fireKeyCode", "fireSpeed",  "fireTimes",       "singleKeyCode",   "comboModifiers",
    "comboKey1",  "comboKey2",   "macroIndex", "macroRepeatMode",
};
constexpr std::string_view kDpiActionKey = "dpiAction";
// The fire-key dialog's speed field takes 5-255 (smaller is faster).
constexpr int kMinFireSpeed = 5;
// The macro dialog's three repeat modes, stored minus one.
constexpr int kRepeatModes = 3;

struct Reserved {
    std::string_view key;  // the record offset of the first byte
    std::size_t offset, size;
};
constexpr std::array<Reserved, 3> kReserved{{
    {"1920", offsetof(ConfigRecord, reserved1920), sizeof(ConfigRecord::reserved1920)},
    {"1926", offsetof(ConfigRecord, reserved1926), sizeof(ConfigRecord::reserved1926)},
    {"1954", offsetof(ConfigRecord, reserved1954), sizeof(ConfigRecord::reserved1954)},
}};

// Rules on one value: each gives "" when the value is allowed, else why not.

using Rule = std::string (*)(long long value);

std::string within(long long value, long long min, long long max, std::string_view takes) {
    if (value >= min && value <= max) return {};
    return std::to_string(value) + " is out of range: this field takes " + std::string(takes);
}

std::string anyByte(long long v) { return within(v, 0, 255, "0-255"); }
std::string flag(long long v) { return within(v, 0, 1, "0 (off) or 1 (on)"); }
std::string pointerLevel(long long v) {
    return within(v, 0, kMaxPointerLevel, "a slider position 1-11, or 0 when none was read from the desktop");
}

std::string reportRate(long long v) {
    for (const auto& rate : kReportRates)
        if (v == rate.code) return {};
    std::string takes;
    for (const auto& rate : kReportRates)
        takes += (takes.empty() ? "" : ", ") + std::to_string(rate.code) + " (" + std::string(rate.label) + " Hz)";
    return std::to_string(v) + " is no report-rate code: this field takes " + takes;
}

bool dpiLevelExists(long long level) {
    if (level < 0 || level > 255) return false;
    for (int sensor = 0; sensor <= 255; ++sensor)
        if (!DpiLabel(static_cast<std::uint8_t>(sensor), static_cast<std::uint8_t>(level)).empty()) return true;
    return false;
}

std::string dpiLevel(long long v) {
    if (dpiLevelExists(v)) return {};
    long long highest = 0;
    while (dpiLevelExists(highest + 1)) ++highest;
    return std::to_string(v) + " is beyond every sensor's DPI table: levels run 0-" + std::to_string(highest);
}

std::string lightMode(long long v) {
    return within(v, kLightOff, kLightNeon, "0 (Off), 1 (Standard), 2 (Respiration) or 3 (Neon)");
}

std::string paramOf(long long v, std::uint8_t mode) {
    const auto list = lightParamList(mode);
    const std::string takes = "0 (" + std::string(list.front()) + ") to " + std::to_string(list.size() - 1) + " (" +
                              std::string(list.back()) + ")";
    return within(v, 0, static_cast<long long>(list.size()) - 1, takes);
}

std::string effectOf(long long v, std::uint8_t mode) {
    const auto choices = lightEffectChoices(mode);
    if (std::ranges::find(choices, v) != choices.end()) return {};
    std::string takes;
    for (const std::uint8_t effect : choices)
        takes +=
            (takes.empty() ? "" : " or ") + std::to_string(effect) + " (" + std::string(lightEffectText(effect)) + ")";
    return std::to_string(v) + " is no effect of " + std::string(lightModeText(mode)) + ": this field takes " + takes;
}

std::string keyCode(long long v) {
    if (v == 0 || (v > 0 && v <= 255 && !keyNameFromUsage(static_cast<std::uint8_t>(v)).empty())) return {};
    return std::to_string(v) + " is no key code of the key-name table (0 for none)";
}

std::string modifierBit(long long v) {
    if (v == 0 || (v > 0 && v <= 255 && !modifierNameFromBit(static_cast<std::uint8_t>(v)).empty())) return {};
    return std::to_string(v) + " is no modifier: this field takes 0 or one modifier bit (1, 2, 4 ... 128)";
}

std::string macroIndex(long long v) { return within(v, 0, kMacroSlotCount - 1, "a macro number minus one, 0-11"); }
std::string repeatMode(long long v) { return within(v, 0, kRepeatModes - 1, "a repeat mode minus one, 0-2"); }
std::string dpiAction(long long v) {
    return within(v, 0, static_cast<long long>(kDpiActionTexts.size()),
                  "1 (DPI +), 2 (DPI -), 3 (DPI Loop), 4 (Shift DPI), or 0 when never chosen");
}
std::string loopCount(long long v) { return within(v, 0, 65535, "0-65535"); }

// Rules of the button rows that stand alone; the list choices are checked with their codes.
constexpr std::array<Rule, kButtonRows> kRowRules{
    nullptr, anyByte, anyByte, anyByte,     anyByte, anyByte, anyByte,    anyByte,
    anyByte, anyByte, keyCode, modifierBit, keyCode, keyCode, macroIndex, repeatMode,
};

struct ByteField {
    std::string_view key;
    Byte ConfigRecord::*field;
    Rule rule;
};

const std::array<ByteField, 7> kLightingFields{{
    {"lightMode", &ConfigRecord::lightMode, lightMode},
    {"lightParamStandard", &ConfigRecord::lightParamStandard, [](long long v) { return paramOf(v, kLightStandard); }},
    {"lightParamRespiration", &ConfigRecord::lightParamRespiration,
     [](long long v) { return paramOf(v, kLightRespiration); }},
    {"lightParamNeon", &ConfigRecord::lightParamNeon, [](long long v) { return paramOf(v, kLightNeon); }},
    {"lightEffectStandard", &ConfigRecord::lightEffectStandard,
     [](long long v) { return effectOf(v, kLightStandard); }},
    {"lightEffectRespiration", &ConfigRecord::lightEffectRespiration,
     [](long long v) { return effectOf(v, kLightRespiration); }},
    {"lightEffectNeon", &ConfigRecord::lightEffectNeon, [](long long v) { return effectOf(v, kLightNeon); }},
}};

const std::array<ByteField, 5> kPointerFields{{
    {"enhancePointerPrecision", &ConfigRecord::enhancePointerPrecision, flag},
    {"scrollOneScreen", &ConfigRecord::scrollOneScreen, flag},
    {"pointerSpeedLevel", &ConfigRecord::pointerSpeedLevel, pointerLevel},
    {"wheelScrollLines", &ConfigRecord::wheelScrollLines, pointerLevel},
    {"doubleClickLevel", &ConfigRecord::doubleClickLevel, pointerLevel},
}};

// A list choice of a parameter dialog: the rows from `first` to `last` belong to it, `first`
// holds the list index and `derived` the codes the index stands for.
struct DerivedRow {
    ButtonRow row;
    std::uint8_t (*of)(int index);  // nullptr: no row
};
struct ChoiceGroup {
    Byte function;
    std::string_view list;
    ButtonRow first, last;
    std::size_t (*size)();
    std::array<DerivedRow, 2> derived;
};
const std::array<ChoiceGroup, 3> kChoiceGroups{{
    {kFnMultimedia,
     "the multimedia list",
     ButtonRow::MediaChoice,
     ButtonRow::MediaUsage,
     [] { return mediaItems().size(); },
     {{{ButtonRow::MediaUsage, mediaUsageOf}, {ButtonRow::MediaUsage, nullptr}}}},
    {kFnWindows,
     "the Windows-function list",
     ButtonRow::WindowsChoice,
     ButtonRow::WindowsUsageHigh,
     [] { return windowsItems().size(); },
     {{{ButtonRow::WindowsUsageLow, windowsUsageOf}, {ButtonRow::WindowsUsageHigh, windowsUsageHighOf}}}},
    {kFnFireKey,
     "the fire-key list",
     ButtonRow::FireChoice,
     ButtonRow::FireTimes,
     [] { return fireKeyItems().size(); },
     {{{ButtonRow::FireKeyCode, fireKeyCodeOf}, {ButtonRow::FireKeyCode, nullptr}}}},
}};

std::size_t rowIndex(ButtonRow row) { return static_cast<std::size_t>(row); }

std::string hexBytes(std::span<const Byte> bytes) {
    std::string text;
    for (const Byte b : bytes) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "%02X", b);
        text += digits;
    }
    return text;
}

// Reads hex digits (either case) into `bytes`; false unless the text is exactly two digits a byte.
bool unhex(std::string_view text, std::span<Byte> bytes) {
    if (text.size() != 2 * bytes.size()) return false;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        unsigned value = 0;
        const auto [end, ec] = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, value, 16);
        if (ec != std::errc() || end != text.data() + 2 * i + 2) return false;
        bytes[i] = static_cast<Byte>(value);
    }
    return true;
}

bool sameLetters(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c | 0x20) : c; };
    return std::ranges::equal(a, b, [&](char x, char y) { return lower(x) == lower(y); });
}

// Writing: the record into a tree of values, field by field.

Value byteValue(Byte b) { return Value::number(b); }

std::string colorText(const ConfigRecord& record, std::size_t stage) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", record.dpiColor[3 * stage], record.dpiColor[3 * stage + 1],
                  record.dpiColor[3 * stage + 2]);
    return text;
}

Value dpiStagesValue(const ConfigRecord& record) {
    std::vector<Value> stages;
    for (std::size_t k = 0; k < kDpiStageCount; ++k)
        stages.push_back(Value::object({{"level", byteValue(record.dpiLevel[k])},
                                        {"enabled", byteValue(record.dpiEnabled[k])},
                                        {"color", Value::string(colorText(record, k))}}));
    return Value::array(std::move(stages));
}

template <std::size_t N>
Value fieldsValue(const ConfigRecord& record, const std::array<ByteField, N>& fields) {
    std::vector<json::Member> members;
    for (const auto& f : fields) members.push_back({std::string(f.key), byteValue(record.*f.field)});
    return Value::object(std::move(members));
}

Value buttonValue(const ButtonTable& table, const ButtonExtra& extra, std::size_t b) {
    const Byte function = buttonField(table, ButtonRow::Function, b);
    // A code beyond the catalogue cannot be named; its number keeps it (and the import refuses it).
    Value functionValue =
        function < kButtonFunctionCount ? Value::string(std::string(functionLabel(function))) : byteValue(function);
    std::vector<json::Member> members{{"function", std::move(functionValue)},
                                      {std::string(kDpiActionKey), byteValue(extra[b])}};
    for (std::size_t row = 1; row < kButtonRows; ++row)
        members.push_back({std::string(kRowNames[row]), byteValue(table[row * kButtonCount + b])});
    return Value::object(std::move(members));
}

Value buttonsValue(const ConfigRecord& record) {
    std::vector<json::Member> modes;
    for (int mode = 0; mode < 2; ++mode) {
        std::vector<Value> buttons;
        for (std::size_t b = 0; b < kButtonCount; ++b)
            buttons.push_back(buttonValue(record.buttons(mode), record.extra(mode), b));
        modes.push_back({std::string(kModeNames[static_cast<std::size_t>(mode)]), Value::array(std::move(buttons))});
    }
    return Value::object(std::move(modes));
}

// A slot's event records as four hex digits each (timing, code), up to the last one that is
// not 00 00: the bytes after it are zero, as the compile leaves them.
std::string recordsText(std::span<const Byte> records) {
    std::size_t used = records.size() / 2;
    while (used > 0 && records[2 * used - 2] == 0 && records[2 * used - 1] == 0) --used;
    std::string text;
    for (std::size_t k = 0; k < used; ++k) {
        if (k) text += ' ';
        text += hexBytes(records.subspan(2 * k, 2));
    }
    return text;
}

Value macroSlotsValue(const ConfigRecord& record) {
    std::vector<Value> slots;
    for (int slot = 1; slot <= static_cast<int>(kMacroSlotCount); ++slot)
        slots.push_back(Value::object({{"loopCount", Value::number(GetLoopCount(record, slot))},
                                       {"records", Value::string(recordsText(macroSlot(record, slot).subspan(2)))}}));
    return Value::array(std::move(slots));
}

Value reservedValue(const RecordBytes& bytes) {
    std::vector<json::Member> members;
    for (const auto& r : kReserved)
        members.push_back({std::string(r.key), Value::string(hexBytes(std::span(bytes).subspan(r.offset, r.size)))});
    return Value::object(std::move(members));
}

// Reading: the tree back into a record, each field checked on its own.

// Keeps the first problem found. Each reading step refuses what it cannot read and returns,
// so later steps never meet a value of the wrong shape.
class Reader {
public:
    void fail(const std::string& path, std::string reason) {
        if (!error_) error_ = DocumentError{path, std::move(reason)};
    }
    bool failed() const { return error_.has_value(); }
    const std::optional<DocumentError>& error() const { return error_; }

    bool object(const Value& v, const std::string& path, Keys keys) {
        return object(v, path, std::span(keys.begin(), keys.size()));
    }
    // An object with exactly these fields, and perhaps the optional ones: an unknown field and
    // a missing one are refused.
    bool object(const Value& v, const std::string& path, std::span<const std::string_view> keys,
                std::span<const std::string_view> optional = {}) {
        if (!kind(v, path, Value::Kind::Object)) return false;
        for (const auto& m : v.members)
            if (std::ranges::find(keys, m.key) == keys.end() && std::ranges::find(optional, m.key) == optional.end()) {
                fail(json::memberPath(path, m.key), "unknown field; the fields here are " + listed(keys) +
                                                        (optional.empty() ? "" : ", " + listed(optional)));
                return false;
            }
        for (const std::string_view key : keys)
            if (!v.find(key)) {
                fail(json::memberPath(path, key), "missing");
                return false;
            }
        return true;
    }

    bool array(const Value& v, const std::string& path, std::size_t count) {
        if (!kind(v, path, Value::Kind::Array)) return false;
        if (v.items.size() == count) return true;
        fail(path, "holds " + std::to_string(v.items.size()) + " elements where " + std::to_string(count) + " belong");
        return false;
    }

    std::optional<long long> whole(const Value& v, const std::string& path) {
        if (!kind(v, path, Value::Kind::Number)) return std::nullopt;
        long long n = 0;
        const auto [end, ec] = std::from_chars(v.text.data(), v.text.data() + v.text.size(), n);
        if (ec == std::errc::result_out_of_range) {
            fail(path, v.text + " is out of range");
            return std::nullopt;
        }
        if (ec != std::errc() || end != v.text.data() + v.text.size()) {
            fail(path, v.text + " is not a whole number");
            return std::nullopt;
        }
        return n;
    }

    // A whole number the rule allows, as the byte it is stored in; 0 once refused.
    Byte byte(const Value& v, const std::string& path, Rule rule) {
        const auto n = whole(v, path);
        if (!n) return 0;
        if (std::string why = rule(*n); !why.empty()) {
            fail(path, std::move(why));
            return 0;
        }
        return static_cast<Byte>(*n);
    }

    const std::string* string(const Value& v, const std::string& path) {
        return kind(v, path, Value::Kind::String) ? &v.text : nullptr;
    }

private:
    bool kind(const Value& v, const std::string& path, Value::Kind expected) {
        if (v.kind == expected) return true;
        fail(path, "must be " + std::string(json::kindName(expected)) + ", not " + std::string(json::kindName(v.kind)));
        return false;
    }

    static std::string listed(std::span<const std::string_view> keys) {
        std::string text;
        for (const std::string_view key : keys) text += (text.empty() ? "" : ", ") + std::string(key);
        return text;
    }

    std::optional<DocumentError> error_;
};

// The document's name and version come first: a newer document is refused as newer, not for
// the fields this version does not know.
bool readHeader(Reader& r, const Value& root) {
    if (root.kind != Value::Kind::Object) return r.object(root, "", {});
    const Value* format = root.find("format");
    const Value* version = root.find("version");
    if (!format) {
        r.fail("format", "missing: this is no tarvik record document (\"format\": \"" +
                             std::string(kRecordDocumentFormat) + "\")");
        return false;
    }
    const std::string* name = r.string(*format, "format");
    if (name && *name != kRecordDocumentFormat)
        r.fail("format",
               json::quoted(*name) + " is no tarvik record document (\"" + std::string(kRecordDocumentFormat) + "\")");
    if (!version) r.fail("version", "missing");
    if (r.failed()) return false;
    const auto number = r.whole(*version, "version");
    if (number && *number != kRecordDocumentVersion)
        r.fail("version", std::to_string(*number) + " is not a version this program reads (it reads " +
                              std::to_string(kRecordDocumentVersion) + ")");
    return !r.failed();
}

void readColor(Reader& r, const Value& v, const std::string& path, std::span<Byte> rgb) {
    const std::string* text = r.string(v, path);
    if (!text) return;
    if (text->size() != 7 || text->front() != '#' || !unhex(std::string_view(*text).substr(1), rgb))
        r.fail(path, json::quoted(*text) + " is no color: write it #RRGGBB in hex, e.g. \"#00ff00\"");
}

void readDpiStages(Reader& r, const Value& v, ConfigRecord& record) {
    const std::string path = "dpiStages";
    if (!r.array(v, path, kDpiStageCount)) return;
    for (std::size_t k = 0; k < kDpiStageCount; ++k) {
        const std::string stage = json::itemPath(path, k);
        const Value& s = v.items[k];
        if (!r.object(s, stage, {"level", "enabled", "color"})) return;
        record.dpiLevel[k] = r.byte(*s.find("level"), json::memberPath(stage, "level"), dpiLevel);
        record.dpiEnabled[k] = r.byte(*s.find("enabled"), json::memberPath(stage, "enabled"), flag);
        readColor(r, *s.find("color"), json::memberPath(stage, "color"), std::span(record.dpiColor).subspan(3 * k, 3));
    }
}

template <std::size_t N>
void readFields(Reader& r, const Value& v, const std::string& path, const std::array<ByteField, N>& fields,
                ConfigRecord& record) {
    std::array<std::string_view, N> keys{};
    std::ranges::transform(fields, keys.begin(), &ByteField::key);
    if (!r.object(v, path, keys)) return;
    for (const auto& f : fields) record.*f.field = r.byte(*v.find(f.key), json::memberPath(path, f.key), f.rule);
}

std::optional<Byte> functionCode(Reader& r, const Value& v, const std::string& path) {
    const std::string* label = r.string(v, path);
    if (!label) return std::nullopt;
    for (const auto& item : kButtonCatalogue)
        if (sameLetters(*label, item.label)) return item.code;
    std::string labels;
    for (const auto& item : kButtonCatalogue) labels += (labels.empty() ? "" : ", ") + std::string(item.label);
    r.fail(path, json::quoted(*label) + " is no button function: this field takes one of " + labels);
    return std::nullopt;
}

void readButton(Reader& r, const Value& v, const std::string& path, ButtonTable& table, ButtonExtra& extra,
                std::size_t b) {
    std::array<std::string_view, kButtonRows + 1> keys{};
    std::ranges::copy(kRowNames, keys.begin());
    keys.back() = kDpiActionKey;
    if (!r.object(v, path, keys)) return;
    if (const auto code = functionCode(r, *v.find("function"), json::memberPath(path, "function")))
        buttonField(table, ButtonRow::Function, b) = *code;
    extra[b] = r.byte(*v.find(kDpiActionKey), json::memberPath(path, kDpiActionKey), dpiAction);
    for (std::size_t row = 1; row < kButtonRows; ++row)
        table[row * kButtonCount + b] =
            r.byte(*v.find(kRowNames[row]), json::memberPath(path, kRowNames[row]), kRowRules[row]);
}

void readButtons(Reader& r, const Value& v, ConfigRecord& record) {
    if (!r.object(v, "buttons", kModeNames)) return;
    for (int mode = 0; mode < 2; ++mode) {
        const std::string path = json::memberPath("buttons", kModeNames[static_cast<std::size_t>(mode)]);
        const Value& list = *v.find(kModeNames[static_cast<std::size_t>(mode)]);
        if (!r.array(list, path, kButtonCount)) return;
        for (std::size_t b = 0; b < kButtonCount; ++b)
            readButton(r, list.items[b], json::itemPath(path, b), record.buttons(mode), record.extra(mode), b);
    }
}

bool hexRecord(std::string_view text, std::span<Byte> record) { return text.size() == 4 && unhex(text, record); }

// "TTCC TTCC ...": at most 63 records of four hex digits, one blank between them; each code is
// a key of the key-name table, 0x03 (the extension record of a long pause) or 0 (a name
// the table does not know).
void readRecords(Reader& r, const Value& v, const std::string& path, std::span<Byte> records) {
    const std::string* text = r.string(v, path);
    if (!text || text->empty()) return;
    std::string_view rest = *text;
    for (std::size_t k = 0;; ++k) {
        const std::string_view word = rest.substr(0, rest.find(' '));
        const std::string which = "record " + std::to_string(k + 1) + " (" + json::quoted(word) + ")";
        if (k >= kMacroRecordCount)
            return r.fail(path, "holds more than " + std::to_string(kMacroRecordCount) + " records");
        if (!hexRecord(word, records.subspan(2 * k, 2)))
            return r.fail(path, which + " is not four hex digits (timing, code); records stand one blank apart");
        const Byte code = records[2 * k + 1];
        if (code != 0 && code != kExtensionCode && keyNameFromUsage(code).empty())
            return r.fail(path, which + ": code " + hexBytes(std::span(&code, 1)) + " is no key of the key-name table");
        if (word.size() == rest.size()) return;
        rest.remove_prefix(word.size() + 1);
    }
}

void readMacroSlots(Reader& r, const Value& v, ConfigRecord& record) {
    if (!r.array(v, "macroSlots", kMacroSlotCount)) return;
    for (std::size_t i = 0; i < kMacroSlotCount; ++i) {
        const std::string path = json::itemPath("macroSlots", i);
        const Value& slot = v.items[i];
        if (!r.object(slot, path, {"loopCount", "records"})) return;
        const int number = static_cast<int>(i + 1);
        if (const auto count = r.whole(*slot.find("loopCount"), json::memberPath(path, "loopCount"))) {
            if (std::string why = loopCount(*count); !why.empty()) r.fail(json::memberPath(path, "loopCount"), why);
            else SetLoopCount(record, number, static_cast<std::uint16_t>(*count));
        }
        readRecords(r, *slot.find("records"), json::memberPath(path, "records"), macroSlot(record, number).subspan(2));
    }
}

void readReserved(Reader& r, const Value& v, RecordBytes& bytes) {
    std::array<std::string_view, kReserved.size()> keys{};
    std::ranges::transform(kReserved, keys.begin(), &Reserved::key);
    if (!r.object(v, "reserved", keys)) return;
    for (const auto& field : kReserved) {
        const std::string path = json::memberPath("reserved", field.key);
        const std::string* text = r.string(*v.find(field.key), path);
        if (text && !unhex(*text, std::span(bytes).subspan(field.offset, field.size)))
            r.fail(path, json::quoted(*text) + " is not " + std::to_string(field.size) + " bytes in hex (" +
                             std::to_string(2 * field.size) + " digits)");
    }
}

// Rules between fields, checked once every field has been read.

std::string buttonPath(int mode, std::size_t b, std::string_view row) {
    return json::memberPath(json::itemPath(json::memberPath("buttons", kModeNames[static_cast<std::size_t>(mode)]), b),
                            row);
}

// A list choice is either never made (all its rows 0, unless the button uses it) or made in
// full: an index of the list and the codes that index stands for.
void checkChoice(Reader& r, const ButtonTable& t, int mode, std::size_t b, const ChoiceGroup& g) {
    const auto at = [&](ButtonRow row) { return buttonField(t, row, b); };
    bool unset = true;
    for (std::size_t row = rowIndex(g.first); row <= rowIndex(g.last); ++row)
        unset = unset && t[row * kButtonCount + b] == 0;
    if (unset && at(ButtonRow::Function) != g.function) return;
    const Byte index = at(g.first);
    const std::string choiceName(kRowNames[rowIndex(g.first)]);
    if (index >= g.size())
        return r.fail(buttonPath(mode, b, choiceName), std::to_string(index) + " is beyond " + std::string(g.list) +
                                                           " (0-" + std::to_string(g.size() - 1) + ")");
    for (const auto& d : g.derived) {
        if (!d.of || at(d.row) == d.of(index)) continue;
        return r.fail(buttonPath(mode, b, kRowNames[rowIndex(d.row)]),
                      std::to_string(at(d.row)) + " does not go with " + choiceName + " " + std::to_string(index) +
                          ": that choice stores " + std::to_string(d.of(index)));
    }
    if (g.function == kFnFireKey && at(ButtonRow::FireSpeed) < kMinFireSpeed)
        r.fail(buttonPath(mode, b, "fireSpeed"),
               std::to_string(at(ButtonRow::FireSpeed)) +
                   " is out of range: the fire-key speed takes 5-255 (smaller is faster)");
}

void checkButton(Reader& r, const ConfigRecord& record, int mode, std::size_t b) {
    const ButtonTable& t = record.buttons(mode);
    for (const auto& group : kChoiceGroups) checkChoice(r, t, mode, b, group);
    if (buttonField(t, ButtonRow::Function, b) == kFnDpiSwitch && record.extra(mode)[b] == 0)
        r.fail(buttonPath(mode, b, kDpiActionKey),
               "DPI Switch needs its action: 1 (DPI +), 2 (DPI -), 3 (DPI Loop) or 4 (Shift DPI)");
}

// "Shift" stands on one button at most, and on the same button in both key modes: the page
// gives it, and replaces it, in both modes at once.
void checkShift(Reader& r, const ConfigRecord& record) {
    for (int mode = 0; mode < 2; ++mode) {
        std::optional<std::size_t> first;
        for (std::size_t b = 0; b < kButtonCount; ++b) {
            if (buttonField(record.buttons(mode), ButtonRow::Function, b) != kFnShift) continue;
            if (first)
                return r.fail(buttonPath(mode, b, "function"),
                              "a second Shift: " + buttonPath(mode, *first, "function") + " holds it already");
            first = b;
            if (buttonField(record.buttons(1 - mode), ButtonRow::Function, b) != kFnShift)
                return r.fail(
                    buttonPath(1 - mode, b, "function"),
                    "must be Shift too: Shift stands in both key modes (" + buttonPath(mode, b, "function") + ")");
        }
    }
}

void checkRules(Reader& r, const ConfigRecord& record) {
    if (std::ranges::none_of(record.dpiEnabled, [](Byte on) { return on == 1; }))
        r.fail("dpiStages", "no stage is on: at least one stage must have \"enabled\": 1");
    for (int mode = 0; mode < 2; ++mode)
        for (std::size_t b = 0; b < kButtonCount; ++b) checkButton(r, record, mode, b);
    checkShift(r, record);
}

constexpr std::array<std::string_view, 10> kTopKeys{
    "format",   "version", "currentKeyMode", "reportRateCode", "dpiStages",
    "lighting", "pointer", "buttons",        "macroSlots",     "reserved",
};

constexpr std::array<std::string_view, 1> kOptionalTopKeys{"captions"};

void readRecord(Reader& r, const Value& root, ConfigRecord& record) {
    if (!r.object(root, "", kTopKeys, kOptionalTopKeys)) return;
    record.currentKeyMode = r.byte(*root.find("currentKeyMode"), "currentKeyMode",
                                   [](long long v) { return within(v, 0, 1, "0 (Mode A) or 1 (Mode B)"); });
    record.reportRateCode = r.byte(*root.find("reportRateCode"), "reportRateCode", reportRate);
    readDpiStages(r, *root.find("dpiStages"), record);
    readFields(r, *root.find("lighting"), "lighting", kLightingFields, record);
    readFields(r, *root.find("pointer"), "pointer", kPointerFields, record);
    readButtons(r, *root.find("buttons"), record);
    readMacroSlots(r, *root.find("macroSlots"), record);
    RecordBytes bytes = toBytes(record);
    readReserved(r, *root.find("reserved"), bytes);
    record = fromBytes(bytes);
}

// A caption is one line of "str.ini" that the window draws beside its button.
constexpr std::size_t kMaxCaptionBytes = 255;

Value captionsValue(const Captions& captions) {
    const auto set = [](const CaptionSet& texts) {
        std::vector<Value> items;
        for (const std::string& text : texts) items.push_back(Value::string(text));
        return Value::array(std::move(items));
    };
    return Value::object({{"A", set(captions.modeA)}, {"B", set(captions.modeB)}});
}

void readCaptionSet(Reader& r, const Value& v, const std::string& path, CaptionSet& texts) {
    if (!r.array(v, path, kButtonCount)) return;
    for (std::size_t b = 0; b < kButtonCount && !r.failed(); ++b) {
        const std::string itemPath = json::itemPath(path, b);
        const std::string* text = r.string(v.items[b], itemPath);
        if (!text) return;
        if (text->size() > kMaxCaptionBytes)
            r.fail(itemPath, "is " + std::to_string(text->size()) + " bytes long; a caption takes at most " +
                                 std::to_string(kMaxCaptionBytes));
        else if (std::ranges::any_of(*text, [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            r.fail(itemPath, "holds a line break or control character; a caption is one line");
        else texts[b] = *text;
    }
}

void readCaptions(Reader& r, const Value& root, std::optional<Captions>& captions) {
    const Value* v = root.find("captions");
    if (!v || !r.object(*v, "captions", {"A", "B"})) return;
    Captions read;
    readCaptionSet(r, *v->find("A"), "captions.A", read.modeA);
    readCaptionSet(r, *v->find("B"), "captions.B", read.modeB);
    if (!r.failed()) captions = std::move(read);
}

}  // namespace

std::string toDocument(const ConfigRecord& record, const Captions* captions) {
    Value document = Value::object({
        {"format", Value::string(std::string(kRecordDocumentFormat))},
        {"version", Value::number(kRecordDocumentVersion)},
        {"currentKeyMode", byteValue(record.currentKeyMode)},
        {"reportRateCode", byteValue(record.reportRateCode)},
        {"dpiStages", dpiStagesValue(record)},
        {"lighting", fieldsValue(record, kLightingFields)},
        {"pointer", fieldsValue(record, kPointerFields)},
        {"buttons", buttonsValue(record)},
        {"macroSlots", macroSlotsValue(record)},
        {"reserved", reservedValue(toBytes(record))},
    });
    if (captions) document.members.push_back({"captions", captionsValue(*captions)});
    return json::write(document);
}

std::optional<ConfigRecord> fromDocument(std::string_view text, DocumentError* error,
                                         std::optional<Captions>* captions) {
    json::Error syntax;
    const auto root = json::parse(text, &syntax);
    Reader r;
    ConfigRecord record{};
    if (!root) r.fail(syntax.path, syntax.reason);
    else if (readHeader(r, *root)) readRecord(r, *root, record);
    if (!r.failed()) checkRules(r, record);
    std::optional<Captions> read;
    if (!r.failed()) readCaptions(r, *root, read);
    if (r.failed()) {
        if (error) *error = *r.error();
        return std::nullopt;
    }
    if (captions) *captions = std::move(read);
    return record;
}

}  // namespace tarvik
