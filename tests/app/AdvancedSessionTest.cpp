// End to end on the simulated mouse: a macro recorded and edited on the Advanced page, saved,
// assigned to a button on the Basic page and applied reaches the mouse as its compiled slot
// and a Macro Key entry.
#include <gtest/gtest.h>

#include "AdvancedFixture.h"
#include "app/BasicPage.h"
#include "buttons/ButtonCatalogue.h"
#include "buttons/KeyMatrix.h"
#include "macros/MacroSlot.h"

namespace tarvik::test {
namespace {

namespace L = layout;

// The macro dialog's answer for every "Macro Key" choice.
struct MacroAnswer : NoParameterDialogs {
    std::optional<MacroResult> macroKey() override { return choice; }
    MacroResult choice;
};

struct SessionRig : FreshInstallShell {
    SessionRig()
        : FreshInstallShell("", {.applyPointerSettings = [this](const ConfigRecord&) {
                                sync->writePointerSettings(records.current);
                            }}) {
        for (const char* skin : {"Carbon", "Arctic"})
            writeImage(skins.root() / skin / "delay-time.png", 384, 286, kMainColor);
        sync.emplace(desktop, window->sink());
        window->setPage(PageState::Advanced,
                        makeAdvancedPage(*window, records.current, *data, messages, *sync, data->paths().recordIni,
                                         delayDialogPrompt(
                                             window->skin(), [] { return LanguageId::EN; }, messages, window.get(),
                                             [](CDelayTimeDialog& dialog) {
                                                 QTest::keyClicks(dialog.field(), "300");
                                                 dialog.clickAt(centre(L::kDialogOk));
                                             })));
        window->setParameterDialogs(&dialogs);
        window->OnInitDialog();
        window->show();
    }
    ~SessionRig() { teardown(); }  // before the pointer settings and the dialogs go

    AdvancedMacroArea& macros() const {
        return static_cast<AdvancedPage*>(window->page(PageState::Advanced))->macros();
    }
    void click(QPoint at) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, at); }
    void key(QEvent::Type type, unsigned evdev) {
        QKeyEvent event(type, 0, Qt::NoModifier, evdev + 8, 0, 0, {});
        QCoreApplication::sendEvent(window->windowHandle(), &event);
    }
    static void clickItem(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(row)).center());
    }

    platform::FakePointerSettings desktop;
    MacroAnswer dialogs;
    std::optional<PointerSettingsSync> sync;
};

TEST(AdvancedSession, RecordedMacroAssignedToAButtonReachesTheMouse) {
    SessionRig rig;
    rig.click(centre(L::kAdvancedTab));
    QTest::keyClicks(rig.macros().nameField(), "Burst");
    rig.click(centre(L::kMacroNew));
    rig.click(centre(L::kStartRecording));
    rig.key(QEvent::KeyPress, kKeyA);
    rig.key(QEvent::KeyRelease, kKeyA);
    rig.click(centre(L::kStopRecording));
    // After the last line, "R-Button Click"; then the first pause becomes 300 ms.
    QListWidget* events = rig.macros().eventList();
    SessionRig::clickItem(events, 2);
    rig.click(centre(L::kMouseEventHeader));
    ASSERT_NE(rig.macros().mouseEventList(), nullptr);
    SessionRig::clickItem(rig.macros().mouseEventList(), 1);
    const QPoint delay = events->visualItemRect(events->item(1)).center();
    QTest::mouseClick(events->viewport(), Qt::LeftButton, {}, delay);
    QTest::mouseDClick(events->viewport(), Qt::LeftButton, {}, delay);
    const std::vector<std::string> lines{"A   Dn",        "300 ms", "A   Up",       "50 ms",
                                         "R-Button   Dn", "50 ms",  "R-Button   Up"};
    ASSERT_EQ(rig.macros().editor().eventLines(), lines);
    QTest::keyClicks(rig.macros().loopField(), "3");
    rig.click(centre(L::kMacroConfirm));

    rig.click(centre(L::kBasicTab));
    rig.dialogs.choice = MacroResult{0, 2, "Burst"};
    rig.click(centre(L::buttonBox(2)));
    auto* basic = static_cast<BasicPage*>(rig.window->page(PageState::Basic));
    ASSERT_NE(basic->buttonList(), nullptr);
    SessionRig::clickItem(basic->buttonList(), kFnMacroKey);
    rig.click(centre(L::kApply));

    const auto& mouse = rig.sim.mouse().state();
    ConfigRecord expected{};
    SetLoopCount(expected, 1, 3);
    compileIntoSlot(macroSlot(expected, 1), static_cast<int>(lines.size()), lines);
    EXPECT_TRUE(
        std::equal(mouse.macroSlots.begin(), mouse.macroSlots.begin() + kMacroSlotSize, macroSlot(expected, 1).begin()))
        << slotHex(std::span<const Byte>(mouse.macroSlots.data(), kMacroSlotSize));
    const std::size_t entry = 4 * static_cast<std::size_t>(kSlotOfButton[2]);
    EXPECT_EQ((KeyEntry{mouse.keyMatrices[entry], mouse.keyMatrices[entry + 1], mouse.keyMatrices[entry + 2],
                        mouse.keyMatrices[entry + 3]}),
              (KeyEntry{0x09, 1, 1, 0}));
}

}  // namespace
}  // namespace tarvik::test
