// What the parameter dialogs of the button lists return when the user confirms them, and the
// seam the Basic page opens them through (the real skinned dialogs, or fakes in tests).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace tarvik {

struct WindowsResult {
    int chosenIndex = 0;     // 0-10
    std::string chosenText;  // the item's text in the interface language
};

struct MediaResult {
    int chosenIndex = 0;  // 0-6
    std::string chosenText;
};

struct FireKeyResult {
    int chosenIndex = 0;  // 0-60
    std::string chosenText;
    std::uint8_t fireSpeedValue = 32;
    std::uint8_t fireCountValue = 1;
};

struct SingleKeyResult {
    std::string capturedName;  // English key name; may be empty
};

struct ComboKeyResult {
    std::string modifierName, key1Name, key2Name;  // each may be empty
};

struct MacroResult {
    int selectedMacro = 0;        // 0-based position in the macro store
    std::uint8_t repeatMode = 1;  // 1-3
    std::string selectedName;
};

// Each call runs its dialog modally: the result when the user confirmed it, nullopt when the
// dialog was closed any other way.
class ParameterDialogs {
public:
    virtual ~ParameterDialogs() = default;
    virtual std::optional<WindowsResult> windows() = 0;
    virtual std::optional<MediaResult> multimedia() = 0;
    virtual std::optional<FireKeyResult> fireKey() = 0;
    virtual std::optional<SingleKeyResult> singleKey() = 0;
    virtual std::optional<ComboKeyResult> comboKey() = 0;
    virtual std::optional<MacroResult> macroKey() = 0;
};

// Where no dialog can be shown: every dialog counts as cancelled.
class NoParameterDialogs : public ParameterDialogs {
public:
    std::optional<WindowsResult> windows() override { return std::nullopt; }
    std::optional<MediaResult> multimedia() override { return std::nullopt; }
    std::optional<FireKeyResult> fireKey() override { return std::nullopt; }
    std::optional<SingleKeyResult> singleKey() override { return std::nullopt; }
    std::optional<ComboKeyResult> comboKey() override { return std::nullopt; }
    std::optional<MacroResult> macroKey() override { return std::nullopt; }
};

// Answers known before the dialog would open (the command line's words, a test's choices): each
// dialog returns its preset answer, and one left empty counts as cancelled.
struct PresetDialogs : ParameterDialogs {
    std::optional<WindowsResult> windowsChoice;
    std::optional<MediaResult> mediaChoice;
    std::optional<FireKeyResult> fireChoice;
    std::optional<SingleKeyResult> singleChoice;
    std::optional<ComboKeyResult> comboChoice;
    std::optional<MacroResult> macroChoice;
    std::optional<WindowsResult> windows() override { return windowsChoice; }
    std::optional<MediaResult> multimedia() override { return mediaChoice; }
    std::optional<FireKeyResult> fireKey() override { return fireChoice; }
    std::optional<SingleKeyResult> singleKey() override { return singleChoice; }
    std::optional<ComboKeyResult> comboKey() override { return comboChoice; }
    std::optional<MacroResult> macroKey() override { return macroChoice; }
};

}  // namespace tarvik
