// The main window on the simulated mouse with real data files and fake platform services: the
// rig the page tests, the screenshots and the benchmarks build on.
#pragma once

#include <filesystem>
#include <memory>
#include <utility>

#include "app/fake/FakeShellPlatform.h"
#include "platform/fake/FakeClock.h"
#include "session/AppData.h"
#include "session/LinkSession.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik {

struct SimulatedShell : FakeShellPlatform {
    // `clock` paces the protocol: a fake one records the pauses, the system's keeps them.
    explicit SimulatedShell(std::unique_ptr<platform::Clock> clock = std::make_unique<platform::FakeClock>())
        : clock(std::move(clock)), session(sim, nullptr, *this->clock) {}
    ~SimulatedShell() { teardown(); }
    SimulatedShell(const SimulatedShell&) = delete;
    SimulatedShell& operator=(const SimulatedShell&) = delete;

    // Makes the window over the data files of `paths` and the skins below `skinsRoot`; its
    // Apply saves "config.bin" as the program's does. Pages, dialogs and the start are the caller's.
    CPellorDlg& build(const DataPaths& paths, const std::filesystem::path& skinsRoot, ShellHooks hooks = {}) {
        data = std::make_unique<AppData>(paths, skinsRoot);
        session.saveFiles = [this](const ConfigRecord& record) { data->saveConfig(record); };
        window = std::make_unique<CPellorDlg>(services(session, *data, std::move(hooks)), records);
        return *window;
    }
    // Ends the window while everything it uses is still there: a rig holding more of its
    // parts (dialogs, pointer settings) calls this from its own destructor.
    void teardown() {
        if (!window) return;
        window->teardown();
        window.reset();
    }

    std::unique_ptr<platform::Clock> clock;
    simulator::SimulatorBackend sim;
    LinkSession session;
    RecordPair records;
    std::unique_ptr<AppData> data;
    std::unique_ptr<CPellorDlg> window;
};

}  // namespace tarvik
