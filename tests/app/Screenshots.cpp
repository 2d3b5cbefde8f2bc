// Draws the main window's pages (each in several states and two languages) and the
// skins dialog of every skin with the real program pieces (data files, simulated mouse, skins)
// offscreen and saves them as PNG files.
// Usage: tarvik_screenshots SKINS_DIR FACTORY_CONFIG OUT_DIR
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QTest>

#include <fstream>
#include <iostream>

#include "app/AdvancedPage.h"
#include "app/BasicPage.h"
#include "app/CPellorDlg.h"
#include "app/CSkinsDialog.h"
#include "app/fake/SimulatedShell.h"
#include "macros/MacroStore.h"
#include "platform/fake/FakePointerSettings.h"
#include "ui/SkinLayout.h"

namespace {

using namespace tarvik;

bool save(QWidget& widget, const std::filesystem::path& file) {
    const bool ok = widget.grab().save(QString::fromStdString(file.string()));
    std::cout << (ok ? "wrote " : "could not write ") << file.string() << '\n';
    return ok;
}

// "str.ini" of a user of `skin`: the light Arctic skin's users pick another text color in the
// skins dialog (the first-run green is hard to read on it): a blue that reads on the skin and on
// the black lists and fields alike.
std::string skinSettings(const std::string& skin) {
    const std::string color = skin == "Arctic" ? "RColor=0\nGColor=110\nBColor=220\n" : "";
    return "[Skins]\nPath=" + skin + "\n" + color;
}

// A fresh data folder in the temporary folder: the factory "config.bin" and `strIni` as "str.ini".
std::filesystem::path freshDataDir(const std::string& name, const std::filesystem::path& factory,
                                   const std::string& strIni) {
    const auto dataDir = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(dataDir);
    std::filesystem::create_directories(dataDir);
    std::filesystem::copy_file(factory, dataDir / "config.bin");
    std::ofstream(dataDir / "str.ini") << strIni;
    return dataDir;
}

bool shootSkin(const std::string& skin, const std::filesystem::path& skins, const std::filesystem::path& factory,
               const std::filesystem::path& out) {
    const auto dataDir = freshDataDir("tarvik-shots-" + skin, factory, skinSettings(skin));
    SimulatedShell shell;
    CPellorDlg& window = shell.build(dataPathsIn(dataDir), skins);
    bool ok = true;
    window.runSkinsDialog = [&](const SkinChoice& current) -> std::optional<SkinChoice> {
        CSkinsDialog dialog(window.skin(), *shell.data, current, shell.colors, shell.messages, &window);
        dialog.show();
        dialog.clickAt({60, 135});  // open the skin list as a user would
        ok = save(dialog, out / ("skins-dialog-" + skin + ".png")) && ok;
        return std::nullopt;
    };
    window.OnInitDialog();
    window.show();
    QTest::mouseMove(&window, QPoint(600, 633));  // OK in its hover state
    ok = save(window, out / ("basic-" + skin + ".png")) && ok;
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(710, 14));
    shell.teardown();
    std::filesystem::remove_all(dataDir);
    return ok;
}

QPoint centre(const layout::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The pointer goes where it clicks, so the hover states are those a user would see.
void moveAndClick(QWidget& window, QPoint point) {
    QTest::mouseMove(&window, point);
    QTest::mouseClick(&window, Qt::LeftButton, {}, point);
}

void hoverItem(QListWidget* list, int row) {
    QTest::mouseMove(list->viewport(), list->visualItemRect(list->item(row)).center());
}

// The Basic page in one language: Mode A, Mode B, a button list open with the pointer on an
// item, the DPI sub-list beside its "DPI Switch" item, and the lighting mode and parameter lists.
bool shootBasicPage(const std::string& skin, const std::string& language, const std::filesystem::path& skins,
                    const std::filesystem::path& factory, const std::filesystem::path& out) {
    const auto dataDir =
        freshDataDir("tarvik-shots-basic-" + skin + language, factory, skinSettings(skin) + "Lan=" + language + "\n");
    SimulatedShell shell;
    CPellorDlg& window = shell.build(dataPathsIn(dataDir), skins);
    window.OnInitDialog();
    window.show();
    auto& page = *static_cast<BasicPage*>(window.page(PageState::Basic));
    const std::string tag = "-" + std::string(language == "CHS" ? "chs" : "en") + "-" + skin + ".png";
    const auto shot = [&](const std::string& name) { return save(window, out / ("basic-" + name + tag)); };
    const auto clickAt = [&window](QPoint point) { moveAndClick(window, point); };
    // A record with some life in it: two stages on, colors, lighting.
    clickAt(centre(layout::dpiStageBox(3)));
    shell.colors.answer = platform::Rgb{40, 200, 255};
    clickAt(centre(layout::dpiSwatch(3)));
    QTest::mouseMove(&window, centre(layout::buttonBox(2)));  // a box in its hover state
    bool ok = shot("modeA");
    clickAt(centre(layout::kModeB));
    ok = shot("modeB") && ok;
    clickAt(centre(layout::kModeA));
    clickAt(centre(layout::buttonBox(1)));
    if (QListWidget* list = page.buttonList()) hoverItem(list, 9);
    ok = shot("list") && ok;
    if (QListWidget* list = page.buttonList()) hoverItem(list, 6);
    if (QListWidget* sub = page.dpiSubList()) hoverItem(sub, 2);
    ok = shot("dpi") && ok;
    // The lighting lists: the mode list, then Neon's thirty periods.
    clickAt(centre(layout::lightValue(0)));
    if (QListWidget* list = page.lightList()) hoverItem(list, 1);
    ok = shot("lightmode") && ok;
    if (QListWidget* list = page.lightList())
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(2)).center());
    clickAt(centre(layout::lightValue(1)));
    if (QListWidget* list = page.lightList()) hoverItem(list, 4);
    ok = shot("lightparam") && ok;
    shell.teardown();
    std::filesystem::remove_all(dataDir);
    return ok;
}

// A key as the window system sends it: to the top-level window, with its native keycode.
void sendKey(QWidget& window, QEvent::Type type, unsigned evdev) {
    QKeyEvent event(type, 0, Qt::NoModifier, evdev + 8, 0, 0, {});
    QCoreApplication::sendEvent(window.windowHandle(), &event);
}

// The Advanced page in one language: a stored macro open with a mouse event inserted, then a
// new macro while it records A, Shift+B.
bool shootAdvancedPage(const std::string& skin, const std::string& language, const std::filesystem::path& skins,
                       const std::filesystem::path& factory, const std::filesystem::path& out) {
    const auto dataDir = freshDataDir("tarvik-shots-advanced-" + skin + language, factory,
                                      skinSettings(skin) + "Lan=" + language + "\n");
    const DataPaths paths = dataPathsIn(dataDir);
    const std::vector<std::string> burst{"Ctrl   Dn", "50 ms",     "C   Dn", "120 ms",    "C   Up",
                                         "50 ms",     "Ctrl   Up", "300 ms", "Ctrl   Dn", "50 ms",
                                         "V   Dn",    "50 ms",     "V   Up", "50 ms",     "Ctrl   Up"};
    const std::vector<std::string> reload{"R   Dn", "80 ms", "R   Up"};
    (void)SaveMacroLines(paths.recordIni, "Burst", burst);
    (void)SaveMacroLines(paths.recordIni, "Reload", reload);

    SimulatedShell shell;
    CPellorDlg& window = shell.build(paths, skins);
    platform::FakePointerSettings desktop;
    desktop.profile = platform::AccelProfile::adaptive;
    desktop.pointerSpeed = 0.4;  // speed level 8
    desktop.lines = 5;
    desktop.doubleClickMs = 410;
    desktop.available.scrollOneScreen = false;  // as on GNOME: shown unavailable
    PointerSettingsSync pointer(desktop, window.sink());
    window.setPage(PageState::Advanced, makeAdvancedPage(window, shell.records.current, *shell.data, shell.messages,
                                                         pointer, paths.recordIni, [] { return std::nullopt; }));
    window.OnInitDialog();
    window.show();
    auto& macros = static_cast<AdvancedPage*>(window.page(PageState::Advanced))->macros();
    const std::string tag = "-" + std::string(language == "CHT" ? "cht" : "en") + "-" + skin + ".png";
    const auto shot = [&](const std::string& name) { return save(window, out / ("advanced-" + name + tag)); };
    const auto clickAt = [&window](QPoint point) { moveAndClick(window, point); };
    clickAt(centre(layout::kAdvancedTab));
    hoverItem(macros.eventList(), 6);
    clickAt(centre(layout::kMouseEventHeader));
    if (QListWidget* list = macros.mouseEventList()) hoverItem(list, 1);
    bool ok = shot("macro");
    if (QListWidget* list = macros.mouseEventList())
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(list->item(1)).center());
    macros.nameField()->selectAll();
    QTest::keyClicks(macros.nameField(), QStringLiteral("Combo"));
    clickAt(centre(layout::kMacroNew));
    clickAt(centre(layout::kStartRecording));
    for (const auto& [evdev, press] : std::initializer_list<std::pair<unsigned, bool>>{
             {30, true}, {30, false}, {42, true}, {48, true}, {48, false}, {42, false}})
        sendKey(window, press ? QEvent::KeyPress : QEvent::KeyRelease, evdev);
    QTest::mouseMove(&window, centre(layout::kStopRecording));
    ok = shot("recording") && ok;
    clickAt(centre(layout::kStopRecording));
    shell.teardown();
    std::filesystem::remove_all(dataDir);
    return ok;
}

// The window without a usable mouse, in one language: none plugged in, or one whose hidraw
// nodes this user may not open; the Basic tab says why and what to do.
bool shootWithoutMouse(bool denied, const std::string& language, const std::filesystem::path& skins,
                       const std::filesystem::path& factory, const std::filesystem::path& out) {
    const auto dataDir = freshDataDir("tarvik-shots-nomouse-" + language, factory, "[Skins]\nLan=" + language + "\n");
    SimulatedShell shell;
    if (denied) {
        for (simulator::SimInterface& i : shell.sim.interfaces()) i.denied = true;
    } else {
        shell.sim.interfaces().clear();
    }
    CPellorDlg& window = shell.build(dataPathsIn(dataDir), skins);
    window.OnInitDialog();
    window.show();
    QTest::mouseMove(&window, centre(layout::kAdvancedTab));  // the frame's controls answer the pointer
    const std::string name =
        std::string(denied ? "no-permission-" : "no-mouse-") + (language == "CHS" ? "chs" : "en") + ".png";
    const bool ok = save(window, out / name);
    shell.teardown();
    std::filesystem::remove_all(dataDir);
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4) {
        std::cerr << "usage: tarvik_screenshots SKINS_DIR FACTORY_CONFIG OUT_DIR\n";
        return 2;
    }
    const std::filesystem::path skins = argv[1], factory = argv[2], out = argv[3];
    std::filesystem::create_directories(out);
    bool ok = true;
    for (const std::string& skin : listSkinFolders(skins)) {
        ok = shootSkin(skin, skins, factory, out) && ok;
        for (const char* language : {"EN", "CHS"}) ok = shootBasicPage(skin, language, skins, factory, out) && ok;
        for (const char* language : {"EN", "CHT"}) ok = shootAdvancedPage(skin, language, skins, factory, out) && ok;
    }
    for (const bool denied : {false, true})
        for (const char* language : {"EN", "CHS"}) ok = shootWithoutMouse(denied, language, skins, factory, out) && ok;
    return ok ? 0 : 1;
}
