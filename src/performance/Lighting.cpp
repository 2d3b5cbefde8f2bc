// Lighting texts and lists, and the translation of the record's lighting fields into the
// effect triple and option set 0 that the mouse receives.
#include "performance/Lighting.h"

namespace tarvik {
namespace {

constexpr std::array<std::string_view, 4> kModeTexts{"Off", "Standard", "Respiration", "Neon"};
// "Non-Disolay" is the word the product has always shown for effect 0.
constexpr std::array<std::string_view, 4> kEffectTexts{"Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On"};

constexpr std::array<std::string_view, 10> kBrightness{
    "5%", "15%", "25%", "35%", "45%", "55%", "65%", "75%", "85%", "100%",
};
constexpr std::array<std::string_view, 5> kRespirationPeriods{"8S", "7S", "6S", "5S", "4S"};
// Value v lasts 0.5 * (v + 1) seconds; whole seconds carry no decimal point.
constexpr std::array<std::string_view, 30> kNeonPeriods{
    "0.5S",  "1S",  "1.5S",  "2S",  "2.5S",  "3S",  "3.5S",  "4S",  "4.5S",  "5S",
    "5.5S",  "6S",  "6.5S",  "7S",  "7.5S",  "8S",  "8.5S",  "9S",  "9.5S",  "10S",
    "10.5S", "11S", "11.5S", "12S", "12.5S", "13S", "13.5S", "14S", "14.5S", "15S",
};

constexpr std::array<std::uint8_t, 1> kStandardEffects{1};
constexpr std::array<std::uint8_t, 2> kRespirationEffects{1, 2};
constexpr std::array<std::uint8_t, 2> kNeonEffects{2, 3};

template <std::size_t N>
std::string_view textAt(const std::array<std::string_view, N>& list, std::size_t index) {
    return index < N ? list[index] : std::string_view{};
}

using Triple = std::array<std::uint8_t, 3>;

void respirationPayload(const ConfigRecord& record, Triple& effect, Triple& set0) {
    effect[0] = 2;
    effect[1] = static_cast<std::uint8_t>(record.lightParamRespiration + 1);
    if (record.lightEffectRespiration == 1) {
        effect[2] = 2;
        set0[0] = 1;
    } else if (record.lightEffectRespiration == 2) {
        effect[2] = 3;
        set0 = {2, 100, 3};
    }
}

void neonPayload(const ConfigRecord& record, Triple& effect, Triple& set0) {
    effect[0] = 3;
    effect[1] = static_cast<std::uint8_t>(record.lightParamNeon + 1);
    if (record.lightEffectNeon == 2) set0 = {2, 100, 10};
    else if (record.lightEffectNeon == 3) set0 = {3, 5, 5};
}

}  // namespace

void LightingPayload(const ConfigRecord& record, Triple& lightEffect, Triple& optionSet0) {
    switch (record.lightMode) {
    case kLightStandard:
        lightEffect = {1, static_cast<std::uint8_t>(record.lightParamStandard + 1), 2};
        optionSet0[0] = 1;
        break;
    case kLightRespiration: respirationPayload(record, lightEffect, optionSet0); break;
    case kLightNeon: neonPayload(record, lightEffect, optionSet0); break;
    default:
        // Off or unknown: the mouse keeps the lighting it reported.
        break;
    }
}

std::string_view lightModeText(std::uint8_t mode) { return textAt(kModeTexts, mode); }
std::string_view lightEffectText(std::uint8_t effect) { return textAt(kEffectTexts, effect); }

std::span<const std::string_view> lightParamList(std::uint8_t mode) {
    if (mode == kLightStandard) return kBrightness;
    if (mode == kLightRespiration) return kRespirationPeriods;
    return kNeonPeriods;
}

std::string_view lightParamText(std::uint8_t mode, std::uint8_t value) {
    const auto list = lightParamList(mode);
    return value < list.size() ? list[value] : std::string_view{};
}

std::span<const std::uint8_t> lightEffectChoices(std::uint8_t mode) {
    if (mode == kLightStandard) return kStandardEffects;
    if (mode == kLightRespiration) return kRespirationEffects;
    if (mode == kLightNeon) return kNeonEffects;
    return {};
}

Byte* lightParamField(ConfigRecord& record, std::uint8_t mode) {
    if (mode == kLightStandard) return &record.lightParamStandard;
    if (mode == kLightRespiration) return &record.lightParamRespiration;
    if (mode == kLightNeon) return &record.lightParamNeon;
    return nullptr;
}

Byte* lightEffectField(ConfigRecord& record, std::uint8_t mode) {
    if (mode == kLightStandard) return &record.lightEffectStandard;
    if (mode == kLightRespiration) return &record.lightEffectRespiration;
    if (mode == kLightNeon) return &record.lightEffectNeon;
    return nullptr;
}

const Byte* lightParamField(const ConfigRecord& record, std::uint8_t mode) {
    return lightParamField(const_cast<ConfigRecord&>(record), mode);
}

const Byte* lightEffectField(const ConfigRecord& record, std::uint8_t mode) {
    return lightEffectField(const_cast<ConfigRecord&>(record), mode);
}

}  // namespace tarvik
