// The main window's six platform services as fakes and the ShellServices made from them: what
// every window rig of the tests, the screenshots and the benchmarks starts from.
#pragma once

#include <functional>
#include <string>
#include <utility>

#include "app/CPellorDlg.h"
#include "platform/fake/FakeColorChooser.h"
#include "platform/fake/FakeDesktopNotifier.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeSingleInstance.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeUrlOpener.h"

namespace tarvik {

// What the window asks of the process besides the platform services; by default nothing happens.
struct ShellHooks {
    std::function<void(const std::string& line)> debugLog = [](const std::string&) {};
    std::function<void(int code)> exitProcess = [](int) {};
    std::function<void(const ConfigRecord& record)> applyPointerSettings = nullptr;  // empty: the desktop is left alone
};

struct FakeShellPlatform {
    // The window's services: these fakes with `device`, `data` and `hooks`.
    ShellServices services(DeviceSession& device, ShellData& data, ShellHooks hooks = {}) {
        return {instance,
                tray,
                messages,
                colors,
                urls,
                notifier,
                device,
                data,
                std::move(hooks.debugLog),
                std::move(hooks.exitProcess),
                std::move(hooks.applyPointerSettings)};
    }

    platform::FakeSingleInstance instance;
    platform::FakeTray tray;
    platform::FakeMessageBox messages;
    platform::FakeColorChooser colors;
    platform::FakeUrlOpener urls;
    platform::FakeDesktopNotifier notifier;
};

}  // namespace tarvik
