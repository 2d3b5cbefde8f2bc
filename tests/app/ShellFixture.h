// Test doubles and a small on-disk skin for the main window's tests: every double writes its
// calls into one shared step log, so the start-up order can be read back.
#pragma once

#include <QApplication>

#include "support/qt/QtTestApp.h"
#include <QImage>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/CPellorDlg.h"
#include "platform/fake/FakeColourChooser.h"
#include "platform/fake/FakeDesktopNotifier.h"
#include "platform/fake/FakeMessageBox.h"
#include "platform/fake/FakeSingleInstance.h"
#include "platform/fake/FakeTray.h"
#include "platform/fake/FakeUrlOpener.h"
#include "ui/TextCatalogue.h"

namespace tarvik::test {


using StepLog = std::vector<std::string>;

// Solid-colour stand-ins for the skin images, so tests can tell states apart by pixel.
inline const QColor kMainColour{10, 10, 10}, kBasicColour{20, 40, 20}, kAdvancedColour{40, 20, 20},
    kNormalColour{200, 0, 0}, kOverColour{0, 0, 200};

inline void writeImage(const std::filesystem::path& file, int w, int h, QColor colour) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(colour);
    image.save(QString::fromStdString(file.string()));
}

// <dir>/Skins/{Carbon,Arctic}/ with the images the window and the skins dialog draw, and a
// plain file that is no skin.
struct TempSkins {
    TempSkins() {
        dir = std::filesystem::temp_directory_path() /
              ("tarvik-shell-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        for (const char* skin : {"Carbon", "Arctic"}) {
            const auto folder = dir / "Skins" / skin;
            std::filesystem::create_directories(folder);
            writeImage(folder / "main.png", 890, 660, kMainColour);
            writeImage(folder / "BasicSet2.png", 890, 660, kBasicColour);
            writeImage(folder / "AdvancedSet2.png", 890, 660, kAdvancedColour);
            writeImage(folder / "skins.png", 384, 286, kMainColour);
            writeImage(folder / "button-normal.png", 105, 21, kNormalColour);
            writeImage(folder / "button-over.png", 105, 21, kOverColour);
        }
        std::ofstream(dir / "Skins" / "readme.txt") << "not a skin\n";
    }
    ~TempSkins() { std::filesystem::remove_all(dir); }
    static int& counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path root() const { return dir / "Skins"; }
    std::filesystem::path dir;
};

class RecordingInstance : public platform::FakeSingleInstance {
public:
    explicit RecordingInstance(StepLog& log) : log_(log) {}
    bool acquire(const std::string& name) override {
        log_.push_back("instance");
        return FakeSingleInstance::acquire(name);
    }
    StepLog& log_;
};

class RecordingTray : public platform::FakeTray {
public:
    explicit RecordingTray(StepLog& log) : log_(log) {}
    void show(const std::string& tip, platform::TrayListener& listener) override {
        log_.push_back("tray");
        FakeTray::show(tip, listener);
    }
    StepLog& log_;
};

class RecordingSession : public DeviceSession {
public:
    explicit RecordingSession(StepLog& log) : log_(log) {}
    void attachSink(platform::UserSink& s) override { sink = &s; }
    void findAndHandshake() override {
        log_.push_back("find");
        sink->notice(mousePresent ? 14 : 15, 0);
        isConnected = mousePresent;
    }
    bool connected() const override { return isConnected; }
    void createListener() override { log_.push_back("createListener"); }
    void resumeListener() override {
        log_.push_back("resume");
        ++resumes;
    }
    int monitorFd() const override {
        log_.push_back("monitor");
        return -1;
    }
    Change serviceMonitor() override { return Change::Ignored; }
    // What an arrival does once the mouse answers: connect, sync, resume a listener never run.
    void arrive() {
        isConnected = true;
        sink->notice(14, 0);
        if (resumes == 0) resumeListener();
    }
    void syncSensorSettings() override { log_.push_back("sync"); }
    void applySettings(const ConfigRecord&) override {
        log_.push_back("apply");
        ++applies;
    }
    int sensorType() const override { return 0; }
    void teardown() override { log_.push_back("teardown"); }

    StepLog& log_;
    platform::UserSink* sink = nullptr;
    bool mousePresent = true;
    bool isConnected = false;
    int resumes = 0, applies = 0;
};

class RecordingData : public ShellData {
public:
    RecordingData(StepLog& log, std::filesystem::path root) : log_(log), root_(std::move(root)) {}
    void attachSink(platform::UserSink&) override {}
    void loadConfig(RecordPair& records) override {
        log_.push_back("config");
        records.current.dpiLevel = {1, 3, 5, 7};
        records.commit();
    }
    void loadLanguage() override { log_.push_back("language"); }
    SkinChoice loadInterfaceSettings() override {
        log_.push_back("interface");
        return choice;
    }
    void saveSkinChoice(const SkinChoice& c) override { saved.push_back(c); }
    void reloadInterfaceSettings() override { log_.push_back("reloadInterface"); }
    std::string text(int row) const override { return std::string(catalogue.text(row)); }
    LanguageFonts fonts() const override {
        log_.push_back("fonts");
        return languageFonts(LanguageId::EN);
    }
    std::filesystem::path skinsRoot() const override { return root_; }
    std::filesystem::path skinFolder(const std::string& name) const override {
        log_.push_back("skinFolder");
        return root_ / (name.empty() ? "Carbon" : name);
    }
    LanguageId language() const override { return LanguageId::EN; }

    StepLog& log_;
    std::filesystem::path root_;
    TextCatalogue catalogue{LanguageId::EN};
    SkinChoice choice{"Carbon", {0, 255, 0}};
    std::vector<SkinChoice> saved;
};

// The main window over doubles; `exitCode` is set when the window ends the process.
struct ShellRig {
    ShellRig() : instance(log), tray(log), session(log), data(log, skins.root()) { qtApp(); }
    std::unique_ptr<CPellorDlg> makeWindow() {
        ShellServices services{instance, tray, messages, colours, urls, notifier, session, data,
                               [this](const std::string& line) { debugLog.push_back(line); },
                               [this](int code) { exitCode = code; }, nullptr};
        return std::make_unique<CPellorDlg>(std::move(services), records);
    }

    TempSkins skins;
    StepLog log;
    RecordingInstance instance;
    RecordingTray tray;
    platform::FakeMessageBox messages;
    platform::FakeColourChooser colours;
    platform::FakeUrlOpener urls;
    platform::FakeDesktopNotifier notifier;
    RecordingSession session;
    RecordingData data;
    RecordPair records;
    std::vector<std::string> debugLog;
    std::optional<int> exitCode;
};

}  // namespace tarvik::test
