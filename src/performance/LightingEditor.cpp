// Mode, parameter and effect choices of the Basic page's lighting group.
#include "performance/LightingEditor.h"

#include <array>

#include "performance/Lighting.h"

namespace tarvik {
namespace {

// Catalogue rows of the mode names by `lightMode` and of the effect names by effect value.
constexpr std::array<TextRow, 4> kModeRows{TextRow::ModeOff, TextRow::ModeStandard, TextRow::ModeRespiration,
                                           TextRow::ModeNeon};
constexpr std::array<TextRow, 4> kEffectRows{TextRow::EffectNone, TextRow::EffectRgb, TextRow::EffectRgbFlash,
                                             TextRow::EffectRgbFixedOn};
// The mode list: Standard, Respiration, Neon; "Off" cannot be chosen again.
constexpr std::array<std::uint8_t, 3> kModeChoices{kLightStandard, kLightRespiration, kLightNeon};

}  // namespace

LightingEditor::LightingEditor(ConfigRecord& record, const TextCatalogue& catalogue)
    : record_(record), catalogue_(catalogue) {}

std::string LightingEditor::text(Field field) const {
    if (field == Field::Parameter && !unstoredParameter_.empty()) return unstoredParameter_;
    return lightingText(record_, catalogue_, field);
}

std::string lightingText(const ConfigRecord& record, const TextCatalogue& catalogue, LightingEditor::Field field) {
    using Field = LightingEditor::Field;
    const std::uint8_t mode = record.lightMode;
    switch (field) {
    case Field::Mode: return mode < kModeRows.size() ? std::string(catalogue.text(kModeRows[mode])) : std::string();
    case Field::Parameter: {
        // Off and unknown modes keep no parameter, so there is nothing to show.
        const Byte* param = lightParamField(record, mode);
        return param ? std::string(lightParamText(mode, *param)) : std::string();
    }
    case Field::Effect: {
        const Byte* effect = lightEffectField(record, mode);
        if (effect == nullptr || *effect >= kEffectRows.size()) return {};
        return std::string(catalogue.text(kEffectRows[*effect]));
    }
    }
    return {};
}

std::vector<std::string> LightingEditor::listEntries(Field field) const {
    std::vector<std::string> entries;
    switch (field) {
    case Field::Mode:
        for (std::uint8_t mode : kModeChoices) entries.emplace_back(catalogue_.text(kModeRows[mode]));
        break;
    case Field::Parameter:
        for (std::string_view entry : lightParamList(record_.lightMode)) entries.emplace_back(entry);
        break;
    case Field::Effect:
        if (choosesWithoutList(field)) break;
        for (std::uint8_t effect : lightEffectChoices(record_.lightMode))
            entries.emplace_back(catalogue_.text(kEffectRows[effect]));
        break;
    }
    return entries;
}

bool LightingEditor::choosesWithoutList(Field field) const {
    return field == Field::Effect && record_.lightMode == kLightStandard;
}

void LightingEditor::choose(Field field, int entry) {
    if (entry < 0) return;
    const auto index = static_cast<std::size_t>(entry);
    switch (field) {
    case Field::Mode:
        if (index >= kModeChoices.size()) return;
        record_.lightMode = kModeChoices[index];
        unstoredParameter_.clear();
        // Standard has one effect; storing it keeps the text the same at the next build.
        if (record_.lightMode == kLightStandard) record_.lightEffectStandard = lightEffectChoices(kLightStandard)[0];
        return;
    case Field::Parameter: {
        const auto entries = lightParamList(record_.lightMode);
        if (index >= entries.size()) return;
        if (Byte* param = lightParamField(record_, record_.lightMode)) *param = static_cast<Byte>(index);
        else unstoredParameter_ = entries[index];  // "Off" keeps no parameter
        return;
    }
    case Field::Effect: {
        const auto choices = lightEffectChoices(record_.lightMode);
        if (Byte* effect = lightEffectField(record_, record_.lightMode); effect && index < choices.size())
            *effect = choices[index];
        return;
    }
    }
}

}  // namespace tarvik
