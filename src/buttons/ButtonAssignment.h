// The rules of the Basic page's button area: which list may open (the left-key rule), what a
// list choice or a DPI sub-item stores in the record, the Shift rules of the two key modes,
// "Default", the key mode, and the captions each choice builds in the interface language.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "buttons/ParameterDialogs.h"
#include "settings/ConfigRecord.h"
#include "settings/InterfaceSettings.h"
#include "ui/TextCatalogue.h"

namespace tarvik {

// User buttons with a box on the page ("1".."7").
constexpr int kButtonBoxes = 7;
// List items that are no function of their own: none selected, and "DPI Switch", whose
// action comes from the DPI sub-list.
constexpr int kNoItem = -1;

class ButtonAssignment {
public:
    // All references must outlive the object; `captions` are the window's 24 captions.
    ButtonAssignment(ConfigRecord& record, Captions& captions, const TextCatalogue& catalogue,
                     ParameterDialogs& dialogs);

    enum class OpenResult { Closed, Opened, LeftKeyRefused };
    // A click on the box of user button `button` (0-6).
    OpenResult openButtonList(int button);
    // Closes the open list, if any (a click elsewhere on the page).
    void closeList() { openList_.reset(); }
    std::optional<int> openList() const { return openList_; }

    // What a list choice did: stored (the caption changed too), nothing while the list stays
    // open (none or "DPI Switch"), nothing because the dialog was not confirmed, or nothing
    // because another button of the key mode holds the one Shift (the page says nothing).
    enum class ChoiceResult { Stored, ListStaysOpen, Cancelled, ShiftTaken, Ignored };
    // The list of `button` reported a choice of `item` (-1 for none).
    ChoiceResult applyButtonChoice(int button, int item);
    // The DPI sub-list reported a choice of sub-item `subItem` (0-3).
    void applyDpiAction(int subItem);
    void restoreDefaultButtons();
    void selectKeyMode(int mode);
    int keyMode() const { return record_.currentKeyMode == 0 ? 0 : 1; }
    // The button (0-7) holding the key mode's one Shift, if any.
    std::optional<int> shiftHolder() const;

    // Caption of `button` in the key mode shown.
    const std::string& caption(int button) const;
    // The sixteen list items in code order, in the interface language.
    std::vector<std::string> listItems() const;
    // The text of the left-key warning in the interface language; its caption is "Warning".
    std::string leftKeyWarning() const;

private:
    std::string label(int function) const;
    std::optional<std::string> runDialog(int function, int button);
    CaptionSet& captionsOf(int mode) { return mode == 0 ? captions_.modeA : captions_.modeB; }
    Byte& function(int mode, int button);
    bool holdsShift(int mode, int button) const;
    ChoiceResult giveShift(int button);
    void replaceShiftInOtherMode(int button);

    ConfigRecord& record_;
    Captions& captions_;
    const TextCatalogue& catalogue_;
    ParameterDialogs& dialogs_;
    std::optional<int> openList_;
};

// The list label of function `code` (0-15) in the catalogue's language; empty above 15.
std::string functionText(int code, const TextCatalogue& catalogue);

}  // namespace tarvik
