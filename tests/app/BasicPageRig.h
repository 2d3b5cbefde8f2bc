// The main window on the simulated mouse with real data files, fake platform services and
// fake parameter dialogs, for driving the Basic page by clicks as a user would.
#pragma once

#include <QListWidget>
#include <QTest>

#include "app/BasicPage.h"
#include "app/ShellFixture.h"
#include "buttons/KeyMatrix.h"
#include "ui/SkinLayout.h"

namespace tarvik::test {

// Answers each dialog with a preset result (nullopt: the user cancelled) and counts openings.
struct FakeDialogs : PresetDialogs {
    int opened = 0;

    std::optional<WindowsResult> windows() override { return ++opened, PresetDialogs::windows(); }
    std::optional<MediaResult> multimedia() override { return ++opened, PresetDialogs::multimedia(); }
    std::optional<FireKeyResult> fireKey() override { return ++opened, PresetDialogs::fireKey(); }
    std::optional<SingleKeyResult> singleKey() override { return ++opened, PresetDialogs::singleKey(); }
    std::optional<ComboKeyResult> comboKey() override { return ++opened, PresetDialogs::comboKey(); }
    std::optional<MacroResult> macroKey() override { return ++opened, PresetDialogs::macroKey(); }
};

struct BasicRig : FreshInstallShell {
    explicit BasicRig(int sensorType = 0, const std::string& language = "", ShellHooks hooks = {})
        : FreshInstallShell(language.empty() ? "" : "[Skins]\nLan=" + language + "\n", std::move(hooks)) {
        sim.mouse().state().sensorSettings[0] = static_cast<std::uint8_t>(sensorType);
        window->setParameterDialogs(&dialogs);
        window->OnInitDialog();
        window->show();
        messages.shown.clear();  // start-up notes (no hotplug) are not the page's
    }
    ~BasicRig() { teardown(); }  // before the fake dialogs go

    BasicPage& page() const { return *static_cast<BasicPage*>(window->page(PageState::Basic)); }
    ConfigRecord& record() { return records.current; }
    Byte function(int mode, int button) const {
        return buttonField(records.current.buttons(mode), ButtonRow::Function, static_cast<std::size_t>(button));
    }
    const std::string& caption(int mode, int button) const {
        const Captions& c = window->captions();
        return (mode == 0 ? c.modeA : c.modeB).at(static_cast<std::size_t>(button));
    }

    void click(int x, int y) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    void click(const layout::Rect& r) { click((r.left + r.right) / 2, (r.top + r.bottom) / 2); }
    // The box of user button `button` (0-6, numbered "1".."7" on the page).
    void clickBox(int button) { click(layout::buttonBox(button)); }
    static QPoint itemCentre(QListWidget* list, int row) { return list->visualItemRect(list->item(row)).center(); }
    static void hoverItem(QListWidget* list, int row) { QTest::mouseMove(list->viewport(), itemCentre(list, row)); }
    static void chooseItem(QListWidget* list, int row) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, itemCentre(list, row));
    }
    // Opens the list of user button `button` and picks `item` (16 items, catalogue order).
    void assign(int button, int item) {
        clickBox(button);
        ASSERT_NE(page().buttonList(), nullptr) << "list of button " << button << " did not open";
        chooseItem(page().buttonList(), item);
    }
    // Opens the list of `button`, rests on "DPI Switch" and picks DPI action `subItem` (0-3).
    void assignDpi(int button, int subItem) {
        clickBox(button);
        ASSERT_NE(page().buttonList(), nullptr);
        hoverItem(page().buttonList(), 6);
        ASSERT_NE(page().dpiSubList(), nullptr) << "the DPI sub-list did not open";
        chooseItem(page().dpiSubList(), subItem);
    }
    void chooseLight(int row, int entry) {
        click(layout::lightValue(row));
        ASSERT_NE(page().lightList(), nullptr);
        chooseItem(page().lightList(), entry);
    }
    void apply() { click(layout::kApply); }
    // Entry `slot` of KeyMatrix `matrix` (1-4) as the simulated mouse holds it.
    KeyEntry mouseEntry(int matrix, int slot) {
        const auto& m = sim.mouse().state().keyMatrices;
        const std::size_t at = 64 * static_cast<std::size_t>(matrix - 1) + 4 * static_cast<std::size_t>(slot);
        return {m[at], m[at + 1], m[at + 2], m[at + 3]};
    }

    FakeDialogs dialogs;
};

}  // namespace tarvik::test
