// The macro area of the Advanced page without its widgets: macro list, event list, name and
// loop fields, mouse events, delays and the keystroke recorder, over the store and the record.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "macros/MacroRecorder.h"
#include "platform/MessageBox.h"
#include "settings/ConfigRecord.h"
#include "ui/TextCatalogue.h"

namespace tarvik {

// Names are cut to this many characters: twelve of them, each with its terminating zero,
// stay within the 255 characters that the section-name scan reads, so a saved macro never
// drops out of the lists.
constexpr std::size_t kMacroNameMaxChars = 20;
constexpr std::size_t kMacroListMax = 12;

// What the delay dialog returns on OK: the value of its field and the digits as typed.
struct EnteredDelay {
    int value = 0;
    std::string digits;
};
// Runs the delay dialog; nullopt on Cancel.
using AskDelay = std::function<std::optional<EnteredDelay>()>;

class MacroEditor {
public:
    // The record and the message boxes must outlive the editor.
    MacroEditor(std::filesystem::path recordIni, ConfigRecord& record, platform::MessageBox& messages,
                const TextCatalogue& texts);

    const std::vector<std::string>& macroNames() const { return macroNames_; }
    std::optional<std::size_t> selectedMacro() const { return selectedMacro_; }
    const std::vector<std::string>& eventLines() const { return eventLines_; }
    std::optional<std::size_t> selectedLine() const { return selectedLine_; }
    const std::string& nameText() const { return nameText_; }
    const std::string& loopText() const { return loopText_; }
    // Empty until a mouse event is chosen, then the last one chosen.
    const std::string& mouseEventHeader() const { return mouseEventHeader_; }
    bool mouseEventListOpen() const { return mouseEventListOpen_; }
    std::optional<std::size_t> hoveredMouseEvent() const { return hoveredMouseEvent_; }
    const MacroRecorder& recorder() const { return recorder_; }
    // Whether the page's key filter must drop key-downs (not system keys) once reported.
    bool swallowsKeyDown() const { return recorder_.recordingActive(); }
    // The window title while recording; empty when the usual title applies.
    std::string_view recordingTitle() const;

    // Each opening of the page: lists and fields from the store, the first macro shown.
    void BuildPage();
    // Leaving the page ends a recording without messages and closes the mouse event list.
    void LeavePage();

    void SelectMacro(std::size_t position);
    void SetNameText(std::string_view text);
    // Every change of the loop field, by typing or by the page: out-of-range text becomes
    // "1"; the value goes into the selected macro's slot.
    void SetLoopText(std::string_view text);
    void NewMacro();
    void DeleteSelectedMacro();
    void SaveSelectedMacro();

    void StartRecording();
    void StopRecording();
    // Ctrl+Break (Pause with Ctrl held) while recording: drops the Ctrl press just recorded
    // and stops as Stop Recording does. Nothing happens when no recording runs.
    void StopKey();
    // A keystroke from the key filter while the page is shown; dropped while one of the
    // editor's message boxes is open (the keys that close it are not the macro's).
    void OnRecordKey(std::string_view keyName, KeyTransition transition, bool autoRepeat);

    void ToggleMouseEventList();
    // A click on the page outside the header and the list.
    void CloseMouseEventList();
    void HoverMouseEvent(std::size_t choice);
    // Choice of an entry of `mouseEventChoices`.
    void InsertMouseEvent(std::size_t choice);

    // A click on, or the pointer over, an event line selects it.
    void SelectEventLine(std::size_t line);
    // Double-click: asks for a delay only when the selected line is a delay line.
    void EditDelay(const AskDelay& askDelay);
    void DeleteEventLine();

private:
    void insertLines(std::size_t at, const std::vector<std::string>& lines);
    // Stops a running recording and releases the keys it left held down.
    void endRecording();
    void refreshMacroList(std::string_view dropped);
    void message(std::string_view text, std::string_view caption = {});

    std::filesystem::path recordIni_;
    ConfigRecord& record_;
    platform::MessageBox& messages_;
    const TextCatalogue& texts_;

    std::vector<std::string> macroNames_;
    std::optional<std::size_t> selectedMacro_;
    std::vector<std::string> eventLines_;
    std::optional<std::size_t> selectedLine_;
    std::string nameText_;
    std::string loopText_;
    std::string mouseEventHeader_;
    bool mouseEventListOpen_ = false;
    std::optional<std::size_t> hoveredMouseEvent_;
    MacroRecorder recorder_;
    bool messageOpen_ = false;  // one of the editor's message boxes is shown
};

// The name a macro is stored under: cut at a zero, line breaks as blanks, surrounding blanks
// trimmed (the store writes it so), at most kMacroNameMaxChars characters.
std::string storedMacroName(std::string_view text);
bool sameMacroName(std::string_view a, std::string_view b);

// Moves each macro's whole slot (loop count and events) from its position in `before` to its
// position in `after`, and clears the slots that no macro holds any longer.
void followMacroOrder(ConfigRecord& record, const std::vector<std::string>& before,
                      const std::vector<std::string>& after);

}  // namespace tarvik
