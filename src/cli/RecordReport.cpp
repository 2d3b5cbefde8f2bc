// Formats the record for people: function labels from the catalogue, parameters by name.
#include "cli/RecordReport.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "buttons/ButtonAssignment.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "buttons/KeyMatrix.h"
#include "macros/MacroSlot.h"
#include "performance/DpiTables.h"
#include "performance/Lighting.h"
#include "performance/LightingEditor.h"

namespace tarvik::cli {
namespace {

std::string hexByte(unsigned value) {
    char text[8];
    std::snprintf(text, sizeof text, "%02x", value & 0xFFu);
    return text;
}

std::string keyName(std::uint8_t usage) {
    const auto name = keyNameFromUsage(usage);
    return name.empty() ? "0x" + hexByte(usage) : std::string(name);
}

std::string fireTarget(std::uint8_t code) {
    const auto mouse = mouseCodeName(code);
    return mouse.empty() ? keyName(code) : std::string(mouse);
}

std::string parameterOf(const ConfigRecord& record, int mode, int button, const TextCatalogue& texts) {
    const ButtonTable& table = record.buttons(mode);
    const auto b = static_cast<std::size_t>(button);
    const auto field = [&](ButtonRow row) { return buttonField(table, row, b); };
    const LanguageId language = texts.language();
    switch (field(ButtonRow::Function)) {
    case kFnDpiSwitch: return std::string(dpiActionText(record.extra(mode)[b]));
    case kFnWindows: {
        const auto items = windowsItems();
        const auto index = field(ButtonRow::WindowsChoice);
        return index < items.size() ? std::string(choiceTextIn(items[index], language)) : "?";
    }
    case kFnMultimedia: {
        const auto items = mediaItems();
        const auto index = field(ButtonRow::MediaChoice);
        return index < items.size() ? std::string(choiceTextIn(items[index], language)) : "?";
    }
    case kFnFireKey:
        return fireTarget(field(ButtonRow::FireKeyCode)) + ", " +
               std::string(dialogText(DialogText::FireSpeedLabel, language)) + " " +
               std::to_string(field(ButtonRow::FireSpeed)) + ", " +
               std::string(dialogText(DialogText::FireCountLabel, language)) + " " +
               std::to_string(field(ButtonRow::FireTimes));
    case kFnSingleKey: return keyName(field(ButtonRow::SingleKeyCode));
    case kFnComboKey: {
        const auto key1 = field(ButtonRow::ComboKey1), key2 = field(ButtonRow::ComboKey2);
        return comboCaptionTail(modifierNameFromBit(field(ButtonRow::ComboModifiers)), key1 ? keyName(key1) : "",
                                key2 ? keyName(key2) : "");
    }
    case kFnMacroKey:  // macro number, then its repeat mode (1-3) as the macro dialog numbers them
        return std::to_string(field(ButtonRow::MacroIndex) + 1) + " (" +
               std::to_string(field(ButtonRow::MacroRepeatMode) + 1) + ")";
    default: return "";
    }
}

void reportButtons(std::ostringstream& out, const ConfigRecord& record, const TextCatalogue& texts) {
    for (int mode = 0; mode < 2; ++mode) {
        // "Mode A" and "Mode B" are the same words in every language, as on their buttons.
        out << texts.text(TextRow::KeySetting) << " - " << (mode == 0 ? "Mode A" : "Mode B")
            << (record.currentKeyMode == mode ? " *" : "") << '\n';
        for (int button = 0; button < static_cast<int>(kButtonCount); ++button) {
            const KeyEntry entry = encodeButtonEntry(record.buttons(mode), record.extra(mode), button);
            char line[32];
            std::snprintf(line, sizeof line, "  %2d  [%2d]  %02x %02x %02x %02x  ", button + 1,
                          kSlotOfButton[static_cast<std::size_t>(button)], entry[0], entry[1], entry[2], entry[3]);
            out << line << describeButton(record, mode, button, texts) << '\n';
        }
    }
}

void reportDpi(std::ostringstream& out, const ConfigRecord& record, std::uint8_t sensorType,
               const TextCatalogue& texts) {
    // "Select" and "Color" are fixed words of the DPI group in every language; [x] is a stage that is on.
    out << texts.text(TextRow::DpiSetting) << " (" << int(sensorType) << ")\n";
    for (std::size_t k = 0; k < kDpiStageCount; ++k) {
        const auto level = record.dpiLevel[k];
        const auto name = DpiLabel(sensorType, level);
        char line[96];
        std::snprintf(line, sizeof line, "  %zu  Select [%c]  %5s (%2d)  Color #%02x%02x%02x\n", k + 1,
                      record.dpiEnabled[k] ? 'x' : ' ', name.empty() ? "?" : std::string(name).c_str(), level,
                      record.dpiColor[3 * k], record.dpiColor[3 * k + 1], record.dpiColor[3 * k + 2]);
        out << line;
    }
}

void reportRateAndLighting(std::ostringstream& out, const ConfigRecord& record, const TextCatalogue& texts) {
    const int code = record.reportRateCode;
    const auto row = std::ranges::find(kReportRates, record.reportRateCode, &ReportRateRow::code);
    out << texts.text(TextRow::ReportRateSetting) << "  ";
    if (row != kReportRates.end()) out << row->label << " Hz (" << code << ")\n";
    else  // the window lights its last position for any code outside the table
        out << "unknown code " << code << " (the window shows " << kReportRates.back().label << " Hz)\n";
    using Field = LightingEditor::Field;
    out << texts.text(TextRow::DpiEffect) << "  " << texts.text(TextRow::LightMode) << ": "
        << lightingText(record, texts, Field::Mode);
    if (record.lightMode != kLightOff)
        out << ", " << texts.text(TextRow::LightParameter) << ": " << lightingText(record, texts, Field::Parameter)
            << ", " << texts.text(TextRow::LightEffect) << ": " << lightingText(record, texts, Field::Effect);
    out << '\n';
}

// Per slot: its loop count and how many of its 63 event records are used.
void reportMacroSlots(std::ostringstream& out, const ConfigRecord& record, const TextCatalogue& texts) {
    out << texts.text(TextRow::MacroSetting) << '\n';
    for (int slot = 1; slot <= static_cast<int>(kMacroSlotCount); ++slot) {
        const auto bytes = macroSlot(record, slot);
        std::size_t records = 0;
        while (records < kMacroRecordCount && (bytes[2 + 2 * records] | bytes[3 + 2 * records]) != 0) ++records;
        out << "  " << slot << "  " << texts.text(TextRow::LoopTimes) << " " << GetLoopCount(record, slot) << "  "
            << records << "/" << kMacroRecordCount << '\n';
    }
}

}  // namespace

std::string describeButton(const ConfigRecord& record, int mode, int button, const TextCatalogue& texts) {
    const auto code = buttonField(record.buttons(mode), ButtonRow::Function, static_cast<std::size_t>(button));
    std::string text = functionText(code, texts);
    if (text.empty()) return "? (" + std::to_string(code) + ")";  // encodes as 00 00 00 00
    const std::string parameter = parameterOf(record, mode, button, texts);
    return parameter.empty() ? text : text + ": " + parameter;
}

std::string recordReport(const ConfigRecord& record, std::uint8_t sensorType, const TextCatalogue& texts) {
    std::ostringstream out;
    reportButtons(out, record, texts);
    reportDpi(out, record, sensorType, texts);
    reportRateAndLighting(out, record, texts);
    reportMacroSlots(out, record, texts);
    return out.str();
}

}  // namespace tarvik::cli
