// Button-area rules without the page: the DPI sub-list on a Shift button, a DPI choice with no
// list open, and the buttons without a box.
#include <gtest/gtest.h>

#include "buttons/ButtonAssignment.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/KeyMatrix.h"

namespace tarvik {
namespace {

struct Rig {
    Rig() { assignment.restoreDefaultButtons(); }
    Byte function(int mode, int button) const {
        return buttonField(record.buttons(mode), ButtonRow::Function, static_cast<std::size_t>(button));
    }
    ConfigRecord record;
    Captions captions;
    TextCatalogue catalogue{LanguageId::EN};
    NoParameterDialogs dialogs;
    ButtonAssignment assignment{record, captions, catalogue, dialogs};
};

TEST(ButtonAssignment, ADpiActionReplacesAShiftInBothModes) {
    Rig rig;
    ASSERT_EQ(rig.assignment.openButtonList(3), ButtonAssignment::OpenResult::Opened);
    rig.assignment.applyButtonChoice(3, kFnShift);
    ASSERT_EQ(rig.function(1, 3), kFnShift);
    rig.assignment.openButtonList(3);
    rig.assignment.applyDpiAction(3);
    for (int mode : {0, 1}) {
        SCOPED_TRACE(mode);
        EXPECT_EQ(rig.function(mode, 3), kFnDpiSwitch);
        EXPECT_EQ(encodeButtonEntry(rig.record.buttons(mode), rig.record.extra(mode), 3),
                  (KeyEntry{0x07, 0x00, 0x04, 0x01}));
    }
    EXPECT_EQ(rig.captions.modeA[3], "Shift DPI");
    EXPECT_EQ(rig.captions.modeB[3], "Shift DPI");
}

TEST(ButtonAssignment, ChoicesWithoutAnOpenListOrBoxChangeNothing) {
    Rig rig;
    const ConfigRecord before = rig.record;
    const Captions captionsBefore = rig.captions;
    rig.assignment.applyDpiAction(0);                    // no list open
    rig.assignment.applyButtonChoice(7, kFnRightClick);  // buttons 7-11 have no box
    rig.assignment.applyButtonChoice(1, 16);             // past the catalogue
    EXPECT_EQ(rig.assignment.openButtonList(7), ButtonAssignment::OpenResult::Closed);
    EXPECT_EQ(rig.record, before);
    EXPECT_EQ(rig.captions, captionsBefore);
}

}  // namespace
}  // namespace tarvik
