// Draws the main window's pages and the skins dialog of every skin with the real program
// pieces (data files, simulated mouse, skins) offscreen and saves them as PNG files.
// Usage: tarvik_screenshots SKINS_DIR FACTORY_CONFIG OUT_DIR
#include <QApplication>
#include <QTest>

#include <fstream>
#include <iostream>

#include "app/AppData.h"
#include "app/CPellorDlg.h"
#include "app/CSkinsDialog.h"
#include "app/LinkSession.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeColourChooser.h"
#include "platform/fake/FakeDesktopNotifier.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeSingleInstance.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeUrlOpener.h"
#include "simulator/SimulatorBackend.h"

namespace {

using namespace tarvik;

bool save(QWidget& widget, const std::filesystem::path& file) {
    const bool ok = widget.grab().save(QString::fromStdString(file.string()));
    std::cout << (ok ? "wrote " : "could not write ") << file.string() << '\n';
    return ok;
}

bool shootSkin(const std::string& skin, const std::filesystem::path& skins, const std::filesystem::path& factory,
               const std::filesystem::path& out) {
    const auto dataDir = std::filesystem::temp_directory_path() / ("tarvik-shots-" + skin);
    std::filesystem::remove_all(dataDir);
    std::filesystem::create_directories(dataDir);
    std::filesystem::copy_file(factory, dataDir / "config.bin");
    std::ofstream(dataDir / "str.ini") << "[Skins]\nPath=" << skin << "\n";

    simulator::SimulatorBackend sim;
    platform::FakeClock clock;
    LinkSession session(sim, nullptr, clock);
    AppData data(dataPathsIn(dataDir), skins);
    platform::FakeSingleInstance instance;
    platform::FakeTray tray;
    platform::FakeMessageBox messages;
    platform::FakeColourChooser colours;
    platform::FakeUrlOpener urls;
    platform::FakeDesktopNotifier notifier;
    RecordPair records;
    CPellorDlg window({instance, tray, messages, colours, urls, notifier, session, data,
                       [](const std::string&) {}, [](int) {}, nullptr},
                      records);
    bool ok = true;
    window.runSkinsDialog = [&](const SkinChoice& current) -> std::optional<SkinChoice> {
        CSkinsDialog dialog(window.skin(), data, current, colours, messages, &window);
        dialog.show();
        dialog.clickAt({60, 135});  // open the skin list as a user would
        ok = save(dialog, out / ("skins-dialog-" + skin + ".png")) && ok;
        return std::nullopt;
    };
    window.OnInitDialog();
    window.show();
    QTest::mouseMove(&window, QPoint(600, 633));  // OK in its hover state
    ok = save(window, out / ("basic-" + skin + ".png")) && ok;
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(80, 70));
    ok = save(window, out / ("advanced-" + skin + ".png")) && ok;
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(710, 14));
    window.teardown();
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
    for (const std::string& skin : listSkinFolders(skins)) ok = shootSkin(skin, skins, factory, out) && ok;
    return ok ? 0 : 1;
}
