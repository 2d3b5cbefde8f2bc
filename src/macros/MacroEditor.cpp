// The macro area's commands: each one edits the on-screen state and, for Save and Delete,
// the store and the record's slots.
#include "macros/MacroEditor.h"

#include <algorithm>
#include <array>

#include "base/ProfileFile.h"
#include "base/Text.h"
#include "macros/EventLines.h"
#include "macros/MacroSlot.h"
#include "macros/MacroStore.h"

namespace tarvik {
namespace {

constexpr std::string_view kWarning = "Warning";
// Not in the catalogue: the same words in every language.
constexpr std::string_view kTooManyMacros = "Macro numbers up to 12.";

// The first `count` UTF-8 characters of the text, never splitting one.
std::string_view firstChars(std::string_view text, std::size_t count) {
    std::size_t chars = 0;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool starts = (static_cast<unsigned char>(text[at]) & 0xC0) != 0x80;
        if (starts && chars++ == count) {
            return text.substr(0, at);
        }
    }
    return text;
}

// A delay line must not take an event line whose key name happens to hold "ms".
bool isPauseLine(std::string_view line) { return !eventOfLine(line) && isDelayLine(line); }

bool allDigits(std::string_view text) {
    return !text.empty() && std::ranges::all_of(text, [](char c) { return c >= '0' && c <= '9'; });
}

// The dialog's digits as typed when they are a plain number of that value; anything else
// (an empty or stray text) is written from the value, so the line stays one "%d ms" line.
std::string delayLineOf(const EnteredDelay& entry) {
    const bool typed = allDigits(entry.digits) && leadingInteger(entry.digits) == entry.value;
    return delayLineFromEntry(entry.value, typed ? entry.digits : std::to_string(entry.value));
}

std::vector<std::string> insertedLines(std::string_view choice, bool afterEvent) {
    const auto pause = delayLine(kDefaultPauseMs);
    if (!isClickChoice(choice)) {
        return afterEvent ? std::vector<std::string>{pause, std::string(choice)}
                          : std::vector<std::string>{std::string(choice), pause};
    }
    auto [press, release] = expandClick(choice);
    return afterEvent ? std::vector<std::string>{pause, press, pause, release}
                      : std::vector<std::string>{press, pause, release, pause};
}

std::optional<std::size_t> positionOf(const std::vector<std::string>& names, std::string_view name) {
    const auto found = std::ranges::find_if(names, [&](const std::string& n) { return sameMacroName(n, name); });
    if (found == names.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - names.begin());
}

}  // namespace

std::string storedMacroName(std::string_view text) {
    std::string name(text.substr(0, text.find('\0')));
    std::ranges::replace(name, '\n', ' ');
    std::ranges::replace(name, '\r', ' ');
    return std::string(trim(firstChars(trim(name), kMacroNameMaxChars)));
}

bool sameMacroName(std::string_view a, std::string_view b) { return equalsIgnoringCase(a, b); }

void followMacroOrder(ConfigRecord& record, const std::vector<std::string>& before,
                      const std::vector<std::string>& after) {
    const auto old = record.macroSlots;
    const auto slotBytes = [&](std::size_t position) {
        return std::span<const Byte>(old).subspan(position * kMacroSlotSize, kMacroSlotSize);
    };
    const auto kept = std::min(after.size(), kMacroSlotCount);
    for (std::size_t j = 0; j < kept; ++j) {
        const auto from = positionOf(before, after[j]);
        if (from && *from < kMacroSlotCount && *from != j) {
            std::ranges::copy(slotBytes(*from), macroSlot(record, static_cast<int>(j + 1)).begin());
        }
    }
    for (std::size_t j = kept; j < std::min(before.size(), kMacroSlotCount); ++j) {
        std::ranges::fill(macroSlot(record, static_cast<int>(j + 1)), Byte{0});
    }
}

MacroEditor::MacroEditor(std::filesystem::path recordIni, ConfigRecord& record, platform::MessageBox& messages,
                         const TextCatalogue& texts)
    : recordIni_(std::move(recordIni)), record_(record), messages_(messages), texts_(texts) {}

std::string_view MacroEditor::recordingTitle() const {
    return recorder_.recordingActive() ? texts_.text(TextRow::CtrlBreakStopsRecording) : std::string_view{};
}

void MacroEditor::BuildPage() {
    macroNames_ = ListMacroNames(recordIni_);
    selectedMacro_.reset();
    eventLines_.clear();
    selectedLine_.reset();
    nameText_.clear();
    loopText_.clear();
    mouseEventHeader_.clear();
    mouseEventListOpen_ = false;
    hoveredMouseEvent_.reset();
    std::error_code error;
    if (!std::filesystem::exists(recordIni_, error)) {
        return;
    }
    if (macroNames_.empty()) {
        SetLoopText("");
        return;
    }
    nameText_ = macroNames_.front();
    eventLines_ = LoadMacroLines(recordIni_, nameText_);
    selectedMacro_ = 0;
    SetLoopText(std::to_string(GetLoopCount(record_, 1)));
}

void MacroEditor::LeavePage() {
    endRecording();
    CloseMouseEventList();
}

void MacroEditor::SelectMacro(std::size_t position) {
    if (position >= macroNames_.size()) {
        return;
    }
    selectedMacro_ = position;
    nameText_ = macroNames_[position];
    selectedLine_.reset();
    ProfileDocument store;
    (void)readProfileFile(recordIni_, store);  // an unreadable store shows as an empty macro
    eventLines_.clear();
    if (macroItemCount(store, nameText_) != 0) {
        eventLines_ = macroLines(store, nameText_);
        SetLoopText(std::to_string(GetLoopCount(record_, static_cast<int>(position + 1))));
    }
}

void MacroEditor::SetNameText(std::string_view text) { nameText_ = text; }

void MacroEditor::SetLoopText(std::string_view text) {
    const auto field = loopFieldValue(text);
    loopText_ = field.resetText ? "1" : std::string(text);
    if (selectedMacro_) {
        SetLoopCount(record_, static_cast<int>(*selectedMacro_ + 1), field.count);
    }
}

void MacroEditor::NewMacro() {
    const auto name = storedMacroName(nameText_);
    if (name.empty()) {
        message(texts_.text(TextRow::MacroNameBlank));
        return;
    }
    nameText_ = name;
    if (macroNames_.empty()) {
        macroNames_.push_back(name);
        selectedMacro_ = 0;
        return;
    }
    if (macroNames_.size() >= kMacroListMax) {
        message(kTooManyMacros, kWarning);
        return;
    }
    if (positionOf(macroNames_, name)) {
        message(texts_.text(TextRow::MacroNameExists));
        return;
    }
    // The loop field keeps its text: the new macro's slot keeps its count until it is edited.
    macroNames_.push_back(name);
    eventLines_.clear();
    selectedLine_.reset();
    selectedMacro_ = macroNames_.size() - 1;
}

void MacroEditor::DeleteSelectedMacro() {
    if (!selectedMacro_) {
        return;
    }
    const auto before = macroNames_;
    const auto name = before[*selectedMacro_];
    (void)DeleteMacro(recordIni_, name);  // a failed write leaves the macro in the store and the list
    refreshMacroList(name);
    followMacroOrder(record_, before, macroNames_);
    eventLines_.clear();
    selectedLine_.reset();
    nameText_.clear();
    selectedMacro_.reset();
}

void MacroEditor::SaveSelectedMacro() {
    if (!selectedMacro_) {
        return;
    }
    const auto before = macroNames_;
    const auto name = before[*selectedMacro_];
    (void)SaveMacroLines(recordIni_, name, eventLines_);  // write failures go unreported
    refreshMacroList({});
    followMacroOrder(record_, before, macroNames_);
    CompileMacroSlots(recordIni_, record_);
    selectedMacro_ = positionOf(macroNames_, name);
}

// The list in slot order: the store's macros as the file orders them (a save moves its
// macro last), then the macros made by New and not yet saved, in their order.
void MacroEditor::refreshMacroList(std::string_view dropped) {
    auto names = ListMacroNames(recordIni_);
    for (const auto& name : macroNames_) {
        if (!sameMacroName(name, dropped) && !positionOf(names, name)) {
            names.push_back(name);
        }
    }
    macroNames_ = std::move(names);
}

void MacroEditor::StartRecording() {
    if (macroNames_.empty()) {
        message(texts_.text(TextRow::MacroNameBlank), kWarning);
        return;
    }
    message(texts_.text(TextRow::StartRecording));
    eventLines_.clear();
    selectedLine_.reset();
    recorder_.start();
}

void MacroEditor::StopRecording() {
    message(texts_.text(TextRow::StopRecording));
    if (!recorder_.recordingActive()) {
        message(texts_.text(TextRow::NotRecording), kWarning);
        return;
    }
    endRecording();
}

// Keys still down when the recording ends get their release lines: played back, the macro
// would otherwise leave them held (a key held while Stop is clicked, or pressed in a box).
void MacroEditor::endRecording() {
    if (!recorder_.recordingActive()) {
        return;
    }
    recorder_.stop();
    const auto releases = releasesOfHeldKeys(eventLines_);
    if (!releases.empty()) {
        eventLines_.insert(eventLines_.end(), releases.begin(), releases.end());
        selectedLine_ = eventLines_.size() - 1;
    }
}

void MacroEditor::StopKey() {
    if (!recorder_.recordingActive()) {
        return;
    }
    if (removeHeldCtrlPress(eventLines_)) {
        selectedLine_.reset();
        if (!eventLines_.empty()) {
            selectedLine_ = eventLines_.size() - 1;
        }
    }
    StopRecording();
}

void MacroEditor::OnRecordKey(std::string_view keyName, KeyTransition transition, bool autoRepeat) {
    // Keys typed into the editor's own message boxes close them; they are not the macro's.
    if (messageOpen_ || !recorder_.take(keyName, transition, autoRepeat) || !selectedMacro_) {
        return;  // with no macro selected the keystroke is dropped and not remembered
    }
    const auto lines = recorder_.linesOfTakenKey(transition);
    eventLines_.insert(eventLines_.end(), lines.begin(), lines.end());
    selectedLine_ = eventLines_.size() - 1;
}

void MacroEditor::ToggleMouseEventList() {
    mouseEventListOpen_ = !mouseEventListOpen_;
    hoveredMouseEvent_.reset();
}

void MacroEditor::CloseMouseEventList() {
    mouseEventListOpen_ = false;
    hoveredMouseEvent_.reset();
}

void MacroEditor::HoverMouseEvent(std::size_t choice) {
    if (mouseEventListOpen_ && choice < mouseEventChoices.size()) {
        hoveredMouseEvent_ = choice;
    }
}

void MacroEditor::InsertMouseEvent(std::size_t choice) {
    if (choice >= mouseEventChoices.size()) {
        return;
    }
    const auto event = mouseEventChoices[choice];
    if (!selectedLine_) {
        if (eventLines_.empty() && selectedMacro_) {
            insertLines(0, insertedLines(event, false));
        }
    } else if (const auto p = *selectedLine_; isPauseLine(eventLines_[p])) {
        insertLines(p + 1, insertedLines(event, false));
        selectedLine_ = p + 1;
    } else {
        insertLines(p + 1, insertedLines(event, true));
        selectedLine_ = p + 2;
    }
    mouseEventHeader_ = event;
    CloseMouseEventList();
}

void MacroEditor::insertLines(std::size_t at, const std::vector<std::string>& lines) {
    eventLines_.insert(eventLines_.begin() + static_cast<std::ptrdiff_t>(at), lines.begin(), lines.end());
}

void MacroEditor::SelectEventLine(std::size_t line) {
    if (line < eventLines_.size()) {
        selectedLine_ = line;
    }
}

void MacroEditor::EditDelay(const AskDelay& askDelay) {
    if (!selectedLine_ || !isPauseLine(eventLines_[*selectedLine_])) {
        return;
    }
    const auto at = *selectedLine_;
    if (const auto entry = askDelay()) {
        eventLines_[at] = delayLineOf(*entry);
        selectedLine_ = at;
    }
}

void MacroEditor::DeleteEventLine() {
    if (!selectedLine_) {
        return;
    }
    // Only the line itself goes: the delay line that belonged to an event stays.
    eventLines_.erase(eventLines_.begin() + static_cast<std::ptrdiff_t>(*selectedLine_));
    selectedLine_.reset();
}

void MacroEditor::message(std::string_view text, std::string_view caption) {
    messageOpen_ = true;
    messages_.show(std::string(text), std::string(caption));
    messageOpen_ = false;
}

}  // namespace tarvik
