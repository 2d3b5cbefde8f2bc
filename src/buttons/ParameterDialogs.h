// What the parameter dialogs of the button lists return when the user confirms them, and the
// seam the Basic page opens them through (the real skinned dialogs, or fakes in tests).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

struct WindowsChoice {
    int chosenIndex = 0;     // 0-10
    std::string chosenText;  // the item's text in the interface language
};

struct MediaChoice {
    int chosenIndex = 0;  // 0-6
    std::string chosenText;
};

struct FireKeyChoice {
    int chosenIndex = 0;  // 0-60
    std::string chosenText;
    std::uint8_t fireSpeedValue = 32;
    std::uint8_t fireCountValue = 1;
};

struct SingleKeyChoice {
    std::string capturedName;  // English key name; may be empty
};

struct ComboKeyChoice {
    std::string modifierName, key1Name, key2Name;  // each may be empty
};

struct MacroChoice {
    int selectedMacro = 0;         // 0-based position in the macro store
    std::uint8_t repeatMode = 1;   // 1-3
    std::string selectedName;
};

// Each call runs its dialog modally: the result when the user confirmed it, nullopt when the
// dialog was closed any other way.
class ParameterDialogs {
public:
    virtual ~ParameterDialogs() = default;
    virtual std::optional<WindowsChoice> windows() = 0;
    virtual std::optional<MediaChoice> multimedia() = 0;
    virtual std::optional<FireKeyChoice> fireKey() = 0;
    virtual std::optional<SingleKeyChoice> singleKey() = 0;
    virtual std::optional<ComboKeyChoice> comboKey() = 0;
    virtual std::optional<MacroChoice> macroKey() = 0;
};

// Where no dialog can be shown: every dialog counts as cancelled.
class NoParameterDialogs : public ParameterDialogs {
public:
    std::optional<WindowsChoice> windows() override { return std::nullopt; }
    std::optional<MediaChoice> multimedia() override { return std::nullopt; }
    std::optional<FireKeyChoice> fireKey() override { return std::nullopt; }
    std::optional<SingleKeyChoice> singleKey() override { return std::nullopt; }
    std::optional<ComboKeyChoice> comboKey() override { return std::nullopt; }
    std::optional<MacroChoice> macroKey() override { return std::nullopt; }
};

}  // namespace tarvik
