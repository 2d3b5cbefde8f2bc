// Test doubles, a small on-disk skin and the window rigs of the main window's tests: the
// recording doubles write their calls into one shared step log, so the start-up order can be read back.
#pragma once

#include <QApplication>

#include <QImage>
#include "support/qt/QtTestApp.h"

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/CPellorDlg.h"
#include "app/fake/FakeShellPlatform.h"
#include "app/fake/SimulatedShell.h"
#include "ui/TextCatalogue.h"

namespace tarvik::test {

using StepLog = std::vector<std::string>;

// Solid-color stand-ins for the skin images, so tests can tell states apart by pixel.
inline const QColor kMainColor{10, 10, 10}, kBasicColor{20, 40, 20}, kAdvancedColor{40, 20, 20},
    kNormalColor{200, 0, 0}, kOverColor{0, 0, 200};

inline void writeImage(const std::filesystem::path& file, int w, int h, QColor color) {
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(color);
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
            writeImage(folder / "main.png", 890, 660, kMainColor);
            writeImage(folder / "BasicSet2.png", 890, 660, kBasicColor);
            writeImage(folder / "AdvancedSet2.png", 890, 660, kAdvancedColor);
            writeImage(folder / "skins.png", 384, 286, kMainColor);
            writeImage(folder / "button-normal.png", 105, 21, kNormalColor);
            writeImage(folder / "button-over.png", 105, 21, kOverColor);
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

class RecordingSession : public DeviceSession {
public:
    explicit RecordingSession(StepLog& log) : log_(log) {}
    void attachSink(platform::UserSink& s) override { sink = &s; }
    void findAndHandshake() override {
        log_.push_back("find");
        sink->notice(noticeNumber(mousePresent ? NoticeCode::MouseFound : NoticeCode::MouseNotFound), 0);
        isConnected = mousePresent;
    }
    bool connected() const override { return isConnected; }
    MouseScan lastScan() const override { return isConnected ? MouseScan::Opened : absence; }
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
        sink->notice(noticeNumber(NoticeCode::MouseFound), 0);
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
    MouseScan absence = MouseScan::Absent;  // what the search finds while the mouse is not present
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
    // The catalogue is English until the language of "str.ini" (`lan`) is read.
    void loadLanguage() override {
        log_.push_back("language");
        catalogue = TextCatalogue(lan);
    }
    SkinChoice loadInterfaceSettings() override {
        log_.push_back("interface");
        return choice;
    }
    void saveSkinChoice(const SkinChoice& c) override { saved.push_back(c); }
    void reloadInterfaceSettings() override { log_.push_back("reloadInterface"); }
    std::string text(TextRow row) const override { return std::string(catalogue.text(row)); }
    LanguageFonts fonts() const override {
        log_.push_back("fonts");
        return languageFonts(catalogue.language());
    }
    std::filesystem::path skinsRoot() const override { return root_; }
    std::filesystem::path skinFolder(const std::string& name) const override {
        log_.push_back("skinFolder");
        return root_ / (name.empty() ? "Carbon" : name);
    }
    LanguageId language() const override { return catalogue.language(); }

    StepLog& log_;
    std::filesystem::path root_;
    LanguageId lan = LanguageId::EN;
    TextCatalogue catalogue{LanguageId::EN};
    SkinChoice choice{"Carbon", {0, 255, 0}};
    std::vector<SkinChoice> saved;
};

// The main window over doubles; `exitCode` is set when the window ends the process.
struct ShellRig : FakeShellPlatform {
    ShellRig() : session(log), data(log, skins.root()) {
        qtApp();
        instance.onAcquire = [this] { log.push_back("instance"); };
        tray.onShow = [this] { log.push_back("tray"); };
    }
    // Hooks that keep the debug log's lines and the exit code.
    ShellHooks recordingHooks() {
        return {[this](const std::string& line) { debugLog.push_back(line); }, [this](int code) { exitCode = code; },
                nullptr};
    }
    std::unique_ptr<CPellorDlg> makeWindow() {
        return std::make_unique<CPellorDlg>(services(session, data, recordingHooks()), records);
    }

    TempSkins skins;
    StepLog log;
    RecordingSession session;
    RecordingData data;
    RecordPair records;
    std::vector<std::string> debugLog;
    std::optional<int> exitCode;
};

// The main window on the simulated mouse over a fresh install: the temporary skins and a data
// folder whose "config.bin" is all zeros and was never applied, with `strIni` as "str.ini"
// when it is not empty. The rigs built on it add their pages and dialogs, then start it.
struct FreshInstallShell : SimulatedShell {
    explicit FreshInstallShell(const std::string& strIni = "", ShellHooks hooks = {}) {
        qtApp();
        data_dir = skins.dir / "data";
        std::filesystem::create_directories(data_dir);
        std::ofstream(data_dir / "config.bin", std::ios::binary) << std::string(kConfigFileSize, '\0');
        if (!strIni.empty()) std::ofstream(data_dir / "str.ini") << strIni;
        build(dataPathsIn(data_dir), skins.root(), std::move(hooks));
    }
    ~FreshInstallShell() { teardown(); }  // while the skins and data files are still there

    TempSkins skins;
    std::filesystem::path data_dir;
};

}  // namespace tarvik::test
