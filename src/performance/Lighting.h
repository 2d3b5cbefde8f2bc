// Lighting modes, their parameter and effect choices, and the payload the apply sequence sends.
#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "settings/ConfigRecord.h"

namespace tarvik {

// Overwrites the parts of the effect triple and of light option set 0 that the record's
// lighting fields decide; everything else keeps the value the mouse reported.
void LightingPayload(const ConfigRecord& record, std::array<std::uint8_t, 3>& lightEffect,
                     std::array<std::uint8_t, 3>& optionSet0);

enum LightMode : std::uint8_t { kLightOff = 0, kLightStandard = 1, kLightRespiration = 2, kLightNeon = 3 };

// English mode name by `lightMode` value ("Off" ... "Neon"); "" beyond the list. The page
// shows the interface language's text of the same catalogue entry.
std::string_view lightModeText(std::uint8_t mode);
// English effect text by effect value: "Non-Disolay", "RGB Effect", "RGB Flash", "RGB Fixed On".
std::string_view lightEffectText(std::uint8_t effect);

// The parameter list that the page opens for a mode: brightness for Standard, the Respiration
// periods for Respiration, the Neon periods for any other value (Off included).
std::span<const std::string_view> lightParamList(std::uint8_t mode);
// Text of a parameter value in the mode's list; "" beyond the list.
std::string_view lightParamText(std::uint8_t mode, std::uint8_t value);

// The effect values that the effect list offers for a mode, entry 0 first (Standard: the
// fixed "RGB Effect"; Off: none).
std::span<const std::uint8_t> lightEffectChoices(std::uint8_t mode);

// The record bytes where a mode keeps its parameter and its effect; nullptr for Off and
// unknown modes, which keep neither.
Byte* lightParamField(ConfigRecord& record, std::uint8_t mode);
Byte* lightEffectField(ConfigRecord& record, std::uint8_t mode);
const Byte* lightParamField(const ConfigRecord& record, std::uint8_t mode);
const Byte* lightEffectField(const ConfigRecord& record, std::uint8_t mode);

}  // namespace tarvik
