// Wiring of the windowed program: real or simulated mouse, data files, Qt services, window.
#include "app/CPellorApp.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QSocketNotifier>

#include <unistd.h>
#include <csignal>
#include <fstream>
#include <iostream>

#include "app/AdvancedDelayPrompt.h"
#include "app/AdvancedPage.h"
#include "app/CPellorDlg.h"
#include "app/CSkinsDialog.h"
#include "app/SkinnedParameterDialogs.h"
#include "platform/linux/InstanceLock.h"
#include "platform/linux/PointerSettingsSelector.h"
#include "platform/qt/QtColorChooser.h"
#include "platform/qt/QtDesktopNotifier.h"
#include "platform/qt/QtMessageBox.h"
#include "platform/qt/QtTray.h"
#include "platform/qt/QtUrlOpener.h"
#include "session/AppData.h"
#include "session/AppOptions.h"
#include "session/DeviceStack.h"
#include "session/LinkSession.h"
#include "session/PressSocket.h"
#include "session/SignalFd.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {
namespace {

// The icon next to the program (build tree) or where the package installs it; a drawn
// stand-in otherwise, so the tray never shows an empty square.
QIcon appIcon(const std::filesystem::path& exe) {
    const std::filesystem::path dir = exe.parent_path();
    for (const auto& candidate : {dir / "../share/icons/tarvik.png", dir / "../../share/icons/tarvik.png",
                                  dir / "../share/icons/hicolor/256x256/apps/tarvik.png"}) {
        std::error_code ec;
        if (std::filesystem::exists(candidate, ec)) return QIcon(QString::fromStdString(candidate.string()));
    }
    QPixmap pixmap(64, 64);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 200, 90));
    p.setPen(Qt::NoPen);
    p.drawEllipse(8, 4, 48, 56);
    return QIcon(pixmap);
}

void debugLine(const std::string& line) { std::cerr << "tarvik: " << line << '\n'; }

}  // namespace

int CPellorApp::run(int argc, char** argv) {
    // SIGTERM (logout, shutdown) and SIGINT end the program as Exit does, so the listener stops,
    // the handles close, the wire log is flushed and the control socket removed. Blocked first:
    // every thread started later inherits the mask, and the event loop watches the descriptor.
    const UniqueFd quitSignals = blockedSignalsFd({SIGINT, SIGTERM});
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvik"));
    QApplication::setQuitOnLastWindowClosed(false);  // hiding the window never ends the program

    std::vector<std::string> args;
    for (const QString& arg : QApplication::arguments().mid(1)) args.push_back(arg.toStdString());
    const AppOptionsResult parsed = parseAppOptions(args);
    if (!parsed.options) {
        std::cerr << "tarvik: " << parsed.error << '\n' << appUsage();
        return 2;
    }
    const AppOptions& options = *parsed.options;
    if (options.help) {
        std::cout << appUsage();
        return 0;
    }

    const std::filesystem::path exe = currentExecutablePath();
    const DataPaths paths = resolveDataPaths(options.dataDir, exe, processEnv);
    ensureConfigFile(paths, findFactoryConfig(exe));
    AppData data(paths, skinsFolder(exe));

    // The mouse: hidraw and udev, or the simulated firmware with its own change notices.
    DeviceStack stack(options.simulateSensor);
    if (std::string error; options.wireLog && !stack.logWireTo(*options.wireLog, &error)) {
        std::cerr << "tarvik: " << error << '\n';
        return 2;
    }
    simulator::SimulatorBackend* simulated = stack.simulated();
    LinkSession session(stack.backend(), stack.monitor(), stack.clock());
    stack.watch(session.link());

    platform::InstanceLock instance;
    platform::QtTray tray(appIcon(exe));
    platform::QtMessageBox messages;
    platform::QtColorChooser colors;
    platform::QtUrlOpener urls;
    platform::QtDesktopNotifier notifier;
    RecordPair records;

    // The desktop's pointer settings: read once into the record, written after OK and Apply.
    const std::unique_ptr<platform::PointerSettings> desktopPointer =
        platform::makePointerSettings(platform::processEnvironment());
    std::optional<PointerSettingsSync> pointerSync;  // speaks through the window, made with it
    const auto applyPointer = [&](const ConfigRecord&) {
        // The record itself: a first write reads the desktop into it when the page never showed.
        if (pointerSync) pointerSync->writePointerSettings(records.current);
    };
    ShellServices services{instance,    tray,    messages, colors,    urls,
                           notifier,    session, data,     debugLine, [](int code) { QApplication::exit(code); },
                           applyPointer};
    CPellorDlg dlg(std::move(services), records);
    messages.setOwner(&dlg);
    colors.setOwner(&dlg);
    pointerSync.emplace(*desktopPointer, dlg.sink());
    dlg.setPage(PageState::Advanced,
                makeAdvancedPage(dlg, records.current, data, messages, *pointerSync, data.paths().recordIni,
                                 delayDialogPrompt(
                                     dlg.skin(), [&data] { return data.language(); }, messages, &dlg)));
    SkinnedParameterDialogs parameterDialogs(
        &dlg, dlg.skin(), [&data] { return data.language(); }, messages, data.paths().recordIni);
    dlg.setParameterDialogs(&parameterDialogs);
    QApplication::setWindowIcon(appIcon(exe));
    session.saveFiles = [&](const ConfigRecord& record) { data.saveConfig(record); };
    dlg.runSkinsDialog = [&](const SkinChoice& current) -> std::optional<SkinChoice> {
        CSkinsDialog dialog(dlg.skin(), data, current, colors, messages, &dlg);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return dialog.choice();
    };

    if (dlg.OnInitDialog() == CPellorDlg::InitResult::AlreadyRunning) return 0;
    dlg.show();

    // With the simulated mouse, tarvikctl press makes it send event reports.
    std::unique_ptr<simulator::ControlServer> control;
    std::unique_ptr<QSocketNotifier> controlNotifier;
    if (simulated) {
        std::string error;
        control = listenForPresses(*simulated, &error);
        if (control) {
            controlNotifier = std::make_unique<QSocketNotifier>(control->fd(), QSocketNotifier::Read);
            QObject::connect(controlNotifier.get(), &QSocketNotifier::activated, &dlg,
                             [&control] { control->serviceOne(); });
        } else {
            debugLine("tarvikctl press is unavailable: " + error);
        }
    }
    std::unique_ptr<QSocketNotifier> quitNotifier;
    if (quitSignals.get() >= 0) {
        quitNotifier = std::make_unique<QSocketNotifier>(quitSignals.get(), QSocketNotifier::Read);
        QObject::connect(quitNotifier.get(), &QSocketNotifier::activated, &dlg, [] { QApplication::exit(0); });
    }
    const int code = QApplication::exec();
    dlg.teardown();
    return code;
}

}  // namespace tarvik
