// The main window on the simulated mouse with the real data files and skins, for benchmarks.
#pragma once

#include <QApplication>

#include <filesystem>
#include <fstream>
#include <memory>

#include "app/AppData.h"
#include "app/CPellorDlg.h"
#include "app/LinkSession.h"
#include "platform/fake/FakeColourChooser.h"
#include "platform/fake/FakeDesktopNotifier.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeSingleInstance.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeUrlOpener.h"
#include "platform/linux/SystemClock.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik::bench {

inline const std::filesystem::path kShare = TARVIK_BENCH_SHARE_DIR;

struct BenchShell {
    explicit BenchShell(const std::filesystem::path& dataDir)
        : session(sim, nullptr, clock), data(dataPathsIn(dataDir), kShare / "Skins") {
        std::filesystem::create_directories(dataDir);
        std::filesystem::copy_file(kShare / "config.bin", dataDir / "config.bin",
                                   std::filesystem::copy_options::overwrite_existing);
        window = std::make_unique<CPellorDlg>(
            ShellServices{instance, tray, messages, colours, urls, notifier, session, data,
                          [](const std::string&) {}, [](int) {}, nullptr},
            records);
    }
    ~BenchShell() { window->teardown(); }

    simulator::SimulatorBackend sim;
    platform::SystemClock clock;  // real protocol pauses, as the program has them
    LinkSession session;
    AppData data;
    platform::FakeSingleInstance instance;
    platform::FakeTray tray;
    platform::FakeMessageBox messages;
    platform::FakeColourChooser colours;
    platform::FakeUrlOpener urls;
    platform::FakeDesktopNotifier notifier;
    RecordPair records;
    std::unique_ptr<CPellorDlg> window;
};

inline long peakRssKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmHWM:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

inline long rssKb() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

}  // namespace tarvik::bench
