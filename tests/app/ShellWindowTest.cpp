// The main window over test doubles, offscreen: start-up order, regions, hiding and exiting,
// the tray and every notice balloon.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QTest>

#include <filesystem>

#include "app/ShellFixture.h"
#include "performance/DpiTables.h"

namespace tarvik::test {
namespace {

class ShellWindow : public ::testing::Test, protected ShellRig {
protected:
    void start() {
        window = makeWindow();
        ASSERT_EQ(window->OnInitDialog(), CPellorDlg::InitResult::Ready);
        window->show();
    }
    void click(int x, int y) { QTest::mouseClick(window.get(), Qt::LeftButton, {}, QPoint(x, y)); }
    QRgb pixel(int x, int y) const { return window->canvas().pixel(x, y); }

    std::unique_ptr<CPellorDlg> window;
};

TEST_F(ShellWindow, StartsUpInItsFixedOrder) {
    start();
    EXPECT_EQ(log, (StepLog{"instance", "tray", "find", "createListener", "resume", "monitor", "config", "language",
                            "interface", "skinFolder", "fonts", "sync"}));
    EXPECT_EQ(tray.tip, "Gaming Mouse Setting");
    EXPECT_EQ(tray.menuText, "Exit");
    EXPECT_EQ(instance.askedFor, "TarvikMutex");
    EXPECT_EQ(window->size(), QSize(890, 660));
    EXPECT_EQ(window->pageState(), PageState::Basic);
    EXPECT_EQ(pixel(400, 300), QColor(kBasicColor).rgb());
    // Without udev the program still runs; the user is told hotplug is off.
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].first, "RegisterDeviceNotification failed!!!");
}

TEST_F(ShellWindow, ASecondCopyCallsTheFirstAndStopsBeforeDoingAnything) {
    instance.first = false;
    window = makeWindow();
    EXPECT_EQ(window->OnInitDialog(), CPellorDlg::InitResult::AlreadyRunning);
    EXPECT_EQ(log, StepLog{"instance"});
    EXPECT_FALSE(tray.shown);
    EXPECT_EQ(instance.calledOwner, "TarvikMutex");  // the running copy is asked to show its window
}

// Without a usable mouse the frame works and the Basic tab says why; hotplug brings the page.
TEST_F(ShellWindow, WithoutAUsableMouseTheBasicTabSaysWhyUntilItArrives) {
    const struct {
        MouseScan found;
        DialogText note;
    } cases[] = {
        {MouseScan::Absent, DialogText::NoMouseNote},
        {MouseScan::Failed, DialogText::NoMouseNote},
        {MouseScan::NotOpenable, DialogText::MouseNotOpenableNote},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.found));
        log.clear();
        session.resumes = 0;
        session.mousePresent = false;
        session.absence = c.found;
        debugLog.clear();
        start();
        EXPECT_EQ(tray.balloons.back(),
                  (platform::FakeTray::Balloon{"Warning", "The system did not detect the gaming mouse!", 100}));
        EXPECT_EQ(window->pageState(), PageState::Basic);
        EXPECT_EQ(window->basicNote(), c.note);
        EXPECT_EQ(std::count(log.begin(), log.end(), "sync"), 0);
        EXPECT_EQ(session.resumes, 0);
        // The frame's own controls are drawn: the OK/Apply/Cancel buttons and the page art.
        EXPECT_EQ(pixel(570, 641), QColor(kNormalColor).rgb());
        EXPECT_NE(std::find_if(debugLog.begin(), debugLog.end(),
                               [&](const std::string& line) {
                                   return line.starts_with("page note: ") &&
                                          line.find(dialogText(c.note, LanguageId::EN).substr(0, 20)) !=
                                              std::string::npos;
                               }),
                  debugLog.end());
        click(600, 630);  // OK does nothing without the mouse
        EXPECT_EQ(session.applies, 0);
        EXPECT_TRUE(window->isVisible());
        click(80, 70);  // the Advanced page works without the mouse
        EXPECT_EQ(window->pageState(), PageState::Advanced);
        EXPECT_EQ(window->basicNote(), std::nullopt);
        click(30, 70);
        EXPECT_EQ(window->basicNote(), c.note);

        window->hide();
        tray.click();  // still absent: the warning again, the window stays hidden
        EXPECT_EQ(tray.balloons.back().title, "Warning");
        EXPECT_FALSE(window->isVisible());

        session.arrive();
        session.arrive();
        EXPECT_EQ(session.resumes, 1);
        window->OnMouseChange(DeviceSession::Change::Found);  // the hotplug notice builds the page
        EXPECT_EQ(window->basicNote(), std::nullopt);
        EXPECT_EQ(std::count(log.begin(), log.end(), "sync"), 1);
        tray.click();
        EXPECT_EQ(window->pageState(), PageState::Basic);
        EXPECT_TRUE(window->isVisible());

        window->OnMouseChange(DeviceSession::Change::Lost);  // gone again: hidden, and the note when back
        EXPECT_FALSE(window->isVisible());
        session.isConnected = false;
        window->OnSecondStart();
        EXPECT_TRUE(window->isVisible());
        EXPECT_EQ(window->basicNote(), c.note);
        window->teardown();
    }
}

// The handshake's notice comes before "str.ini" is read; its balloon waits for the language.
TEST_F(ShellWindow, StartUpBalloonSpeaksTheInterfaceLanguage) {
    const struct {
        LanguageId language;
        const char* text;
    } cases[] = {
        {LanguageId::EN, "The system detect the gaming mouse."},
        {LanguageId::CHS, "系统检测到游戏鼠标。"},
        {LanguageId::CHT, "系統檢測到遊戲滑鼠。"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.language));
        data.lan = c.language;
        tray.balloons.clear();
        start();
        EXPECT_EQ(tray.balloons, (std::vector<platform::FakeTray::Balloon>{{"Info", c.text, 100}}));
        window->teardown();
    }
}

TEST_F(ShellWindow, RegionsRunTheirActions) {
    struct Case {
        int x, y;
        int applies;
        bool visible;
        PageState page;
        bool reloadPending;
    };
    const Case cases[] = {
        {600, 630, 1, false, PageState::Basic, false},  // OK: apply, hide
        {666, 630, 2, false, PageState::Basic, false},  // OK and Apply
        {700, 630, 1, true, PageState::Basic, false},   // Apply stays
        {770, 630, 1, false, PageState::Basic, true},   // Apply, then Cancel
        {800, 630, 0, false, PageState::Basic, true},   // Cancel
        {830, 10, 0, false, PageState::Basic, false},   // Hide
        {80, 70, 0, true, PageState::Advanced, false},  // Advanced tab
        {400, 300, 0, true, PageState::Basic, false},   // the page's own area
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " y=" << c.y);
        log.clear();
        session.applies = 0;
        start();
        records.current.dpiLevel[0] = 9;  // an edit Cancel must undo
        click(c.x, c.y);
        EXPECT_EQ(session.applies, c.applies);
        EXPECT_EQ(window->isVisible(), c.visible);
        EXPECT_EQ(window->pageState(), c.page);
        EXPECT_EQ(window->pageReloadPending(), c.reloadPending);
        // Cancel reverts to the last commit, which an Apply on the shared edge has just made.
        EXPECT_EQ(records.current.dpiLevel[0], c.reloadPending && c.applies == 0 ? 1 : 9);
        if (c.applies > 0) {
            EXPECT_EQ(records.saved.dpiLevel[0], 9);
        }
        EXPECT_FALSE(exitCode);
    }
}

TEST_F(ShellWindow, TabsSwitchPagesAndTheWebLinkOpensTheHelpPageThatExists) {
    start();
    click(80, 70);
    EXPECT_EQ(pixel(400, 300), QColor(kAdvancedColor).rgb());
    click(30, 70);
    EXPECT_EQ(pixel(400, 300), QColor(kBasicColor).rgb());
    EXPECT_EQ(std::count(log.begin(), log.end(), "sync"), 1);  // only the first Basic build syncs
    // Run from the build folder: the installed README, or else the source tree's.
    const std::size_t notes = messages.shown.size();
    click(300, 630);
    ASSERT_EQ(urls.opened.size(), 1u);
    const std::string& opened = urls.opened[0];
    EXPECT_TRUE(opened.starts_with("file://") && opened.ends_with("/README.md")) << opened;
    EXPECT_TRUE(std::filesystem::is_regular_file(opened.substr(7))) << opened;
    EXPECT_EQ(messages.shown.size(), notes) << "a help page exists: nothing to say";
}

TEST_F(ShellWindow, EnterEscapeAndCloseOnlyHide) {
    start();
    for (int key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        window->show();
        QTest::keyClick(window.get(), static_cast<Qt::Key>(key));
        EXPECT_FALSE(window->isVisible());
    }
    window->show();
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(exitCode);
}

TEST_F(ShellWindow, ExitRegionAndTrayExitTearDownAndEndWithZero) {
    for (bool fromTray : {false, true}) {
        SCOPED_TRACE(fromTray ? "tray Exit" : "Exit region");
        exitCode.reset();
        log.clear();
        start();
        if (fromTray) tray.chooseExit();
        else click(855, 10);
        EXPECT_EQ(exitCode, 0);
        EXPECT_EQ(log.back(), "teardown");
        EXPECT_FALSE(tray.shown);
    }
}

TEST_F(ShellWindow, CancelThenTrayClickRebuildsThePageWithFreshSettings) {
    start();
    click(800, 630);
    tray.click();
    EXPECT_FALSE(window->pageReloadPending());
    EXPECT_NE(std::find(log.begin(), log.end(), "reloadInterface"), log.end());
    EXPECT_TRUE(window->isVisible());
}

TEST_F(ShellWindow, EveryNoticeShowsItsBalloonOrNothingAndIsLogged) {
    start();
    tray.balloons.clear();
    debugLog.clear();
    struct Case {
        int code, value;
        const char* title;
        const char* text;
        int timeout;
    };
    // DPI labels of sensor 0 for the levels the doubles load (1, 3, 5, 7).
    const std::string stage2 = "Switch DPI into the second stage " + std::string(DpiLabel(0, 3));
    const Case cases[] = {
        {5, 1, "Info", "Switch report rate into 1000HZ", 5000},
        {5, 2, "Info", "Switch report rate into 500HZ", 5000},
        {5, 4, "Info", "Switch report rate into 250HZ", 5000},
        {5, 8, "Info", "Switch report rate into 125HZ", 5000},
        {5, 3, nullptr, nullptr, 0},
        {7, 2, "Info", stage2.c_str(), 5000},
        {7, 9, nullptr, nullptr, 0},
        {8, 1, "Info", "Switch to key matrix 1", 5000},
        {8, 2, "Info", "Switch to key matrix 2", 5000},
        {8, 3, nullptr, nullptr, 0},
        {9, 12, "Info", "Switch to macro key12", 5000},
        {9, 0, nullptr, nullptr, 0},
        {14, 0, "Info", "The system detect the gaming mouse.", 100},
        {15, 0, "Warning", "The system did not detect the gaming mouse!", 100},
        {3, 1, nullptr, nullptr, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " value " << c.value);
        const std::size_t before = tray.balloons.size();
        window->OnDeviceNotice(c.code, c.value);
        if (!c.title) {
            EXPECT_EQ(tray.balloons.size(), before);
            continue;
        }
        ASSERT_EQ(tray.balloons.size(), before + 1);
        EXPECT_EQ(tray.balloons.back(), (platform::FakeTray::Balloon{c.title, c.text, c.timeout}));
        EXPECT_NE(debugLog.back().find(c.text), std::string::npos);
    }
    EXPECT_EQ(debugLog.size(), tray.balloons.size());
}

TEST_F(ShellWindow, WithoutATrayHideMinimisesAndNoticesBecomeNotifications) {
    tray.hasTray = false;
    start();
    EXPECT_FALSE(tray.shown);
    EXPECT_NE(window->windowType(), Qt::Tool);  // keeps its taskbar entry
    click(830, 10);
    EXPECT_TRUE(window->isMinimized());
    window->OnDeviceNotice(noticeNumber(NoticeCode::KeyMatrix), 2);
    ASSERT_FALSE(notifier.notes.empty());
    EXPECT_EQ(notifier.notes.back().text, "Switch to key matrix 2");
    EXPECT_TRUE(tray.balloons.empty());
}

TEST_F(ShellWindow, HoverGoesFromOkToCancelInOneRepaint) {
    start();
    QTest::mouseMove(window.get(), QPoint(600, 630));
    EXPECT_EQ(pixel(600, 640), QColor(kOverColor).rgb());
    const int copies = window->canvasCopies();
    QTest::mouseMove(window.get(), QPoint(800, 630));
    EXPECT_EQ(window->canvasCopies(), copies + 1);
    EXPECT_EQ(pixel(600, 640), QColor(kNormalColor).rgb());
    EXPECT_EQ(pixel(800, 640), QColor(kOverColor).rgb());
    QTest::mouseMove(window.get(), QPoint(801, 631));  // same button: nothing to redraw
    EXPECT_EQ(window->canvasCopies(), copies + 1);
}

}  // namespace
}  // namespace tarvik::test
