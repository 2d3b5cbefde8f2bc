// The main window: start-up in its fixed order, the title-bar and footer regions, the two
// pages, hiding and exiting, the tray icon and the device notice balloons.
#pragma once

#include <QImage>
#include <QPoint>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/NoticeBridge.h"
#include "app/ShellPage.h"
#include "app/TitleBar.h"
#include "buttons/ParameterDialogs.h"
#include "platform/ColorChooser.h"
#include "platform/DesktopNotifier.h"
#include "platform/MessageBox.h"
#include "platform/SingleInstance.h"
#include "platform/Tray.h"
#include "platform/UrlOpener.h"
#include "session/DeviceSession.h"
#include "session/Notices.h"
#include "session/ShellData.h"
#include "settings/InterfaceSettings.h"
#include "ui/TextCatalogue.h"
#include "ui/qt/SkinCanvas.h"
#include "ui/qt/SkinWidgets.h"

class QSocketNotifier;

namespace tarvik {

struct ShellServices {
    platform::SingleInstance& instance;
    platform::Tray& tray;
    platform::MessageBox& messages;
    platform::ColorChooser& colors;
    platform::UrlOpener& urls;
    platform::DesktopNotifier& notifier;
    DeviceSession& device;
    ShellData& data;
    // The debug log: every balloon shown and the device link's trace lines.
    std::function<void(const std::string& line)> debugLog;
    // Ends the process with the code (Exit region, tray "Exit").
    std::function<void(int code)> exitProcess;
    // Applies the pointer settings of the record to the desktop after OK/Apply.
    std::function<void(const ConfigRecord& record)> applyPointerSettings;
};

enum class PageState { None = 0, Basic = 1, Advanced = 2 };

class CPellorDlg : public QWidget, private platform::TrayListener, private NoticeTexts {
public:
    static constexpr const char* kTrayTip = "Gaming Mouse Setting";
    static constexpr const char* kInstanceLock = "TarvikMutex";
    static constexpr const char* kWindowTitle = "Tarvik";

    enum class InitResult { Ready, AlreadyRunning };

    CPellorDlg(ShellServices services, RecordPair& records);
    ~CPellorDlg() override;

    // The start-up steps in their order; AlreadyRunning: end the process with code 0 at once.
    InitResult OnInitDialog();
    // The window's sink for the device link: notices, messages and traces.
    platform::UserSink& sink() { return *bridge_; }

    void OnLButtonDown(QPoint point);
    void OnDeviceNotice(int code, int value);
    // After the hotplug notices: Lost hides the window; Found builds the Basic page where its
    // tab shows why the mouse could not be used.
    void OnMouseChange(DeviceSession::Change change);
    // A later start of the program asked for the window.
    void OnSecondStart();
    void buildPage(PageState page);
    // Hides to the tray, or minimises where there is no tray.
    void hideWindow();
    // Closes the device link and removes the icon (Exit, tray "Exit").
    void teardown();

    PageState pageState() const { return pageState_; }
    bool initialSyncDone() const { return initialSyncDone_; }
    bool pageReloadPending() const { return pageReloadPending_; }
    const QImage& canvas() const { return canvas_; }
    // The note the Basic tab shows in place of the page (no mouse, or one this user may not
    // open); nullopt while it shows the page or another page is shown.
    std::optional<DialogText> basicNote() const { return basicNote_; }
    int canvasCopies() const { return canvasCopies_; }
    ui::SkinState& skin() { return skin_; }
    const SkinChoice& skinChoice() const { return skinChoice_; }
    void setPage(PageState page, std::unique_ptr<ShellPage> content);
    ShellPage* page(PageState page) const { return pages_[static_cast<int>(page)].get(); }
    // The 24 button captions the Basic page shows and edits; saved with every apply.
    const Captions& captions() const { return captions_; }
    // The dialogs the button lists open; none (every dialog cancelled) until set.
    void setParameterDialogs(ParameterDialogs* dialogs) { dialogs_ = dialogs ? dialogs : &noDialogs_; }
    // Draws on the canvas and copies it to the screen (page edits after the build).
    void paintOnCanvas(const std::function<void(QPainter&)>& draw);
    // Replaces the skins dialog (tests): returns the choice, or nullopt for Cancel.
    std::function<std::optional<SkinChoice>(const SkinChoice& current)> runSkinsDialog;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool event(QEvent* event) override;

private:
    void trayClicked() override;
    void trayExitChosen() override;
    std::string text(TextRow row) const override;
    std::string dpiName(int stage) const override;

    void runRegion(TitleBarRegion region);
    void applyAndCommit();
    void openSkinsDialog();
    void openHelpPage();
    void exitProgram();
    void loadSkin();
    void drawPage();
    void drawTitleNote(QPainter& painter);
    void startHotplug();
    void setUpHoverButtons();
    void showAgain();
    void comeBack();
    void refreshBasic();
    std::optional<DialogText> noteForMouse() const;
    void drawNote(QPainter& painter, DialogText note);
    ShellPage* activePage() const;
    void trackHover(int x, int y);

    ShellServices s_;
    RecordPair& records_;
    std::unique_ptr<NoticeBridge> bridge_;
    ui::SkinState skin_;
    SkinChoice skinChoice_;
    QImage canvas_;
    int canvasCopies_ = 0;
    ui::HoverButtons hover_;
    PageState pageState_ = PageState::None;
    bool initialSyncDone_ = false;
    bool pageReloadPending_ = false;
    bool hasTray_ = true;
    bool tornDown_ = false;
    std::unique_ptr<ShellPage> pages_[3];
    Captions captions_;
    NoParameterDialogs noDialogs_;
    ParameterDialogs* dialogs_ = &noDialogs_;
    std::unique_ptr<QSocketNotifier> hotplug_;
    std::unique_ptr<QSocketNotifier> secondStarts_;
    std::optional<DialogText> basicNote_;
    // Notices that come before the language is known (the start-up handshake's) wait for it.
    bool languageKnown_ = false;
    std::vector<std::pair<int, int>> heldNotices_;
    std::optional<QPoint> dragOffset_;
};

}  // namespace tarvik
