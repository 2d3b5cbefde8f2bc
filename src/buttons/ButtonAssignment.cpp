// Button-area rules of the Basic page: list opening, choices, Shift, defaults, captions.
#include "buttons/ButtonAssignment.h"

#include <algorithm>

#include "buttons/ButtonCatalogue.h"
#include "buttons/ChoiceTables.h"
#include "buttons/KeyCodes.h"
#include "buttons/KeyMatrix.h"

namespace tarvik {
namespace {

// Catalogue row of each function's list label, checked when the program is compiled.
template <std::size_t... I>
constexpr std::array<TextRow, kButtonFunctionCount> labelRows(std::index_sequence<I...>) {
    return {catalogueRow(kButtonCatalogue[I].label)...};
}
constexpr std::array<TextRow, kButtonFunctionCount> kLabelRows =
    labelRows(std::make_index_sequence<kButtonFunctionCount>{});

// Shift may stand on one of the first eight buttons only once per key mode.
constexpr int kShiftScanButtons = 8;
// "DPI Switch" sub-lists belong to the buttons that can have a list open.
constexpr int kDpiScanButtons = 8;

std::size_t at(int button) { return static_cast<std::size_t>(button); }

std::string joined(std::string_view label, std::string_view tail) {
    std::string caption(label);
    caption += '-';
    caption += tail;
    return caption;
}

}  // namespace

ButtonAssignment::ButtonAssignment(ConfigRecord& record, Captions& captions, const TextCatalogue& catalogue,
                                   ParameterDialogs& dialogs)
    : record_(record), captions_(captions), catalogue_(catalogue), dialogs_(dialogs) {}

Byte& ButtonAssignment::function(int mode, int button) {
    return buttonField(record_.buttons(mode), ButtonRow::Function, at(button));
}

bool ButtonAssignment::holdsShift(int mode, int button) const {
    return buttonField(record_.buttons(mode), ButtonRow::Function, at(button)) == kFnShift;
}

std::string functionText(int code, const TextCatalogue& catalogue) {
    if (code < 0 || code >= static_cast<int>(kButtonFunctionCount)) return {};
    return std::string(catalogue.text(kLabelRows[at(code)]));
}

std::string ButtonAssignment::label(int function) const { return functionText(function, catalogue_); }

std::vector<std::string> ButtonAssignment::listItems() const {
    std::vector<std::string> items;
    for (std::size_t code = 0; code < kButtonFunctionCount; ++code) items.push_back(label(static_cast<int>(code)));
    return items;
}

std::string ButtonAssignment::leftKeyWarning() const {
    return std::string(catalogue_.text(TextRow::LeftKeyMustBeSelected));
}

const std::string& ButtonAssignment::caption(int button) const {
    const CaptionSet& set = keyMode() == 0 ? captions_.modeA : captions_.modeB;
    return set.at(at(button));
}

ButtonAssignment::OpenResult ButtonAssignment::openButtonList(int button) {
    if (button < 0 || button >= kButtonBoxes) return OpenResult::Closed;
    if (openList_ == button) {
        openList_.reset();
        return OpenResult::Closed;
    }
    openList_.reset();
    // The only button with "Left Click" keeps it: without one the mouse has no primary button.
    const ButtonTable& table = record_.buttons(keyMode());
    bool otherLeft = false;
    for (int b = 0; b < static_cast<int>(kButtonCount); ++b) {
        if (b != button && buttonField(table, ButtonRow::Function, at(b)) == kFnLeftClick) otherLeft = true;
    }
    if (buttonField(table, ButtonRow::Function, at(button)) == kFnLeftClick && !otherLeft)
        return OpenResult::LeftKeyRefused;
    openList_ = button;
    return OpenResult::Opened;
}

std::optional<int> ButtonAssignment::shiftHolder() const {
    for (int b = 0; b < kShiftScanButtons; ++b) {
        if (holdsShift(keyMode(), b)) return b;
    }
    return std::nullopt;
}

ButtonAssignment::ChoiceResult ButtonAssignment::giveShift(int button) {
    openList_.reset();
    if (shiftHolder()) return ChoiceResult::ShiftTaken;  // a second Shift is refused without a message
    for (int mode : {0, 1}) {
        function(mode, button) = kFnShift;
        captionsOf(mode).at(at(button)) = label(kFnShift);
    }
    return ChoiceResult::Stored;
}

// A Shift stands in both key modes, so whatever replaces it replaces it in both: the other
// mode takes the new function with the same parameters, DPI action and caption, and so
// encodes what its caption says.
void ButtonAssignment::replaceShiftInOtherMode(int button) {
    const int mode = keyMode(), other = 1 - mode;
    ButtonTable& from = record_.buttons(mode);
    ButtonTable& to = record_.buttons(other);
    for (std::size_t row = 0; row < kButtonRows; ++row)
        to[row * kButtonCount + at(button)] = from[row * kButtonCount + at(button)];
    record_.extra(other)[at(button)] = record_.extra(mode)[at(button)];
    captionsOf(other).at(at(button)) = captionsOf(mode).at(at(button));
}

ButtonAssignment::ChoiceResult ButtonAssignment::applyButtonChoice(int button, int item) {
    if (button < 0 || button >= kButtonBoxes) return ChoiceResult::Ignored;
    if (item == kNoItem || item == kFnDpiSwitch) return ChoiceResult::ListStaysOpen;
    if (item < 0 || item >= static_cast<int>(kButtonFunctionCount)) return ChoiceResult::Ignored;
    if (item == kFnShift) return giveShift(button);
    openList_.reset();
    const int mode = keyMode();
    std::optional<std::string> newCaption;
    if (item >= kFnWindows && item <= kFnMacroKey) {
        newCaption = runDialog(item, button);
        // A cancelled dialog changes nothing, the function code included: storing the code
        // alone would send parameters the caption does not show.
        if (!newCaption) return ChoiceResult::Cancelled;
    } else {
        newCaption = label(item);
    }
    const bool wasShift = holdsShift(mode, button);
    function(mode, button) = static_cast<Byte>(item);
    captionsOf(mode).at(at(button)) = *newCaption;
    if (wasShift) replaceShiftInOtherMode(button);
    return ChoiceResult::Stored;
}

std::optional<std::string> ButtonAssignment::runDialog(int function, int button) {
    ButtonTable& t = record_.buttons(keyMode());
    auto row = [&](ButtonRow r) -> Byte& { return buttonField(t, r, at(button)); };
    const auto byte = [](int value) { return static_cast<Byte>(value & 0xFF); };
    switch (function) {
    case kFnWindows: {
        const auto c = dialogs_.windows();
        if (!c) return std::nullopt;
        row(ButtonRow::WindowsChoice) = byte(c->chosenIndex);
        row(ButtonRow::WindowsUsageLow) = windowsUsageOf(c->chosenIndex);
        row(ButtonRow::WindowsUsageHigh) = windowsUsageHighOf(c->chosenIndex);
        return c->chosenText;
    }
    case kFnMultimedia: {
        const auto c = dialogs_.multimedia();
        if (!c) return std::nullopt;
        row(ButtonRow::MediaChoice) = byte(c->chosenIndex);
        row(ButtonRow::MediaUsage) = mediaUsageOf(c->chosenIndex);
        return joined(label(kFnMultimedia), c->chosenText);
    }
    case kFnFireKey: {
        const auto c = dialogs_.fireKey();
        if (!c) return std::nullopt;
        row(ButtonRow::FireChoice) = byte(c->chosenIndex);
        row(ButtonRow::FireKeyCode) = fireKeyCodeOf(c->chosenIndex);
        row(ButtonRow::FireSpeed) = c->fireSpeedValue;
        row(ButtonRow::FireTimes) = c->fireCountValue;
        return joined(label(kFnFireKey), c->chosenText);
    }
    case kFnSingleKey: {
        const auto c = dialogs_.singleKey();
        if (!c) return std::nullopt;
        row(ButtonRow::SingleKeyCode) = keyUsageFromName(c->capturedName);
        return joined(label(kFnSingleKey), c->capturedName);
    }
    case kFnComboKey: {
        const auto c = dialogs_.comboKey();
        if (!c) return std::nullopt;
        row(ButtonRow::ComboModifiers) = modifierBitFromName(c->modifierName);
        row(ButtonRow::ComboKey1) = keyUsageFromName(c->key1Name);
        row(ButtonRow::ComboKey2) = keyUsageFromName(c->key2Name);
        return joined(label(kFnComboKey), comboCaptionTail(c->modifierName, c->key1Name, c->key2Name));
    }
    case kFnMacroKey: {
        const auto c = dialogs_.macroKey();
        if (!c) return std::nullopt;
        row(ButtonRow::MacroIndex) = byte(c->selectedMacro);
        row(ButtonRow::MacroRepeatMode) = static_cast<Byte>(c->repeatMode - 1);
        return joined(label(kFnMacroKey), c->selectedName);
    }
    default: return std::nullopt;
    }
}

void ButtonAssignment::applyDpiAction(int subItem) {
    if (subItem < 0 || subItem >= static_cast<int>(kDpiActionTexts.size())) return;
    if (!openList_ || *openList_ >= kDpiScanButtons) return;
    const int button = *openList_;
    openList_.reset();
    const int mode = keyMode();
    const bool wasShift = holdsShift(mode, button);
    captionsOf(mode).at(at(button)) = std::string(kDpiActionTexts[at(subItem)]);
    function(mode, button) = kFnDpiSwitch;
    record_.extra(mode)[at(button)] = static_cast<Byte>(subItem + 1);
    if (wasShift) replaceShiftInOtherMode(button);
}

void ButtonAssignment::restoreDefaultButtons() {
    restoreDefaultButtonFunctions(record_);
    captions_ = defaultCaptions(catalogue_);
}

void ButtonAssignment::selectKeyMode(int mode) {
    openList_.reset();
    record_.currentKeyMode = mode == 0 ? 0 : 1;
}

}  // namespace tarvik
