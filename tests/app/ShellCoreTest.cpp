// Qt-free pieces of the windowed program: click regions and their order, notice balloons,
// options, the single-instance lock and the help page behind the footer link.
#include <gtest/gtest.h>

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "app/HelpPage.h"
#include "app/TitleBar.h"
#include "platform/DesktopNotifier.h"
#include "platform/linux/InstanceLock.h"
#include "session/AppOptions.h"
#include "session/Notices.h"
#include "settings/TempFolder.h"

namespace tarvik {
namespace {

using R = TitleBarRegion;
using platform::kMinReadableBalloonMs;
using platform::readableTimeout;

TEST(TitleBar, ClicksHitTheRegionsInTheirOrder) {
    struct Case {
        int x, y;
        std::vector<R> expected;
    };
    const Case cases[] = {
        {562, 623, {R::Ok}},
        {665, 643, {R::Ok}},
        {666, 630, {R::Ok, R::Apply}},  // the shared edge runs both, OK first
        {667, 630, {R::Apply}},
        {770, 630, {R::Apply, R::Cancel}},  // likewise Apply, then Cancel
        {874, 643, {R::Cancel}},
        {875, 630, {}},  // right edges are outside
        {770, 644, {}},  // so are bottom edges
        {701, 5, {R::Skins}},
        {825, 5, {R::Hide}},
        {867, 22, {R::Exit}},
        {14, 54, {R::BasicTab}},
        {99, 93, {R::AdvancedTab}},
        {57, 70, {}},  // between the tabs: the page's
        {261, 626, {R::WebLink}},
        {452, 645, {R::WebLink}},
        {400, 300, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "x=" << c.x << " y=" << c.y);
        EXPECT_EQ(regionsAt(c.x, c.y), c.expected);
    }
}

TEST(TitleBar, DragsOnlyFromTheEmptyTitleStrip) {
    EXPECT_TRUE(isDragPoint(400, 10));
    EXPECT_FALSE(isDragPoint(830, 10));  // the hide button
    EXPECT_FALSE(isDragPoint(400, 300));
}

// Catalogue rows as their English texts, and the DPI label of each stage.
class EnglishTexts : public NoticeTexts {
public:
    std::string text(TextRow row) const override {
        switch (static_cast<int>(row)) {
        case 53: return "Switch report rate into 1000HZ";
        case 56: return "Switch report rate into 125HZ";
        case 58: return "Switch DPI into the second stage ";
        case 61: return "Switch to key matrix 1";
        case 62: return "Switch to key matrix 2";
        case 65: return "Switch to macro key";
        case 67: return "The system did not detect the gaming mouse!";
        case 68: return "The system detect the gaming mouse.";
        default: return "row " + std::to_string(static_cast<int>(row));
        }
    }
    std::string dpiName(int stage) const override { return std::to_string(stage * 800); }
};

TEST(Notices, EveryCodeAndValueGetsItsBalloonOrNone) {
    struct Case {
        int code, value;
        std::optional<Balloon> expected;
    };
    const Case cases[] = {
        {5, 1, Balloon{"Info", "Switch report rate into 1000HZ", 5000}},
        {5, 8, Balloon{"Info", "Switch report rate into 125HZ", 5000}},
        {5, 3, std::nullopt},
        {5, 0, std::nullopt},
        {7, 2, Balloon{"Info", "Switch DPI into the second stage 1600", 5000}},
        {7, 0, std::nullopt},
        {7, 5, std::nullopt},
        {8, 1, Balloon{"Info", "Switch to key matrix 1", 5000}},
        {8, 2, Balloon{"Info", "Switch to key matrix 2", 5000}},
        {8, 3, std::nullopt},  // the catalogue has matrices 3 and 4, no notice shows them
        {9, 12, Balloon{"Info", "Switch to macro key12", 5000}},
        {9, 0, std::nullopt},
        {14, 0, Balloon{"Info", "The system detect the gaming mouse.", 100}},
        {15, 0, Balloon{"Warning", "The system did not detect the gaming mouse!", 100}},
        {6, 1, std::nullopt},
        {0, 0, std::nullopt},
    };
    const EnglishTexts texts;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " value " << c.value);
        EXPECT_EQ(balloonFor(c.code, c.value, texts), c.expected);
    }
}

TEST(Notices, ShortBalloonsStayLongEnoughToRead) {
    EXPECT_EQ(readableTimeout(100), kMinReadableBalloonMs);
    EXPECT_EQ(readableTimeout(5000), 5000);
}

TEST(AppOptions, ParsesTheOptionsTarvikctlTakes) {
    auto ok = parseAppOptions({"--simulate=2", "--data-dir", "/d", "--wire-log=/w"});
    ASSERT_TRUE(ok.options) << ok.error;
    EXPECT_EQ(ok.options->simulateSensor, 2);
    EXPECT_EQ(ok.options->dataDir, std::filesystem::path("/d"));
    EXPECT_EQ(ok.options->wireLog, std::filesystem::path("/w"));
    for (const std::vector<std::string>& bad :
         {std::vector<std::string>{"--simulate=4"}, {"--data-dir"}, {"--wire-log="}, {"apply"}}) {
        SCOPED_TRACE(bad.front());
        auto result = parseAppOptions(bad);
        EXPECT_FALSE(result.options);
        EXPECT_FALSE(result.error.empty());
    }
}

TEST(InstanceLock, ASecondHolderIsRefusedAndCallsTheFirstUntilItEnds) {
    const auto dir = std::filesystem::temp_directory_path() / ("tarvik-lock-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    ::setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    {
        platform::InstanceLock first, second;
        EXPECT_TRUE(first.acquire("TarvikMutex"));
        EXPECT_FALSE(second.acquire("TarvikMutex"));
        // The refused start calls the holder, which takes the call once.
        EXPECT_FALSE(first.takeCalls());
        EXPECT_TRUE(second.callOwner("TarvikMutex"));
        EXPECT_TRUE(first.takeCalls());
        EXPECT_FALSE(first.takeCalls());
    }
    platform::InstanceLock caller;
    EXPECT_FALSE(caller.callOwner("TarvikMutex"));  // nobody holds the lock: nobody listens
    platform::InstanceLock later;
    EXPECT_TRUE(later.acquire("TarvikMutex"));
    std::filesystem::remove_all(dir);
}

// The footer link opens the installed help page, else the source tree's README (a program run
// from its build folder); a place that is no readable file is passed over.
TEST(HelpPage, FirstReadablePlaceWins) {
    test::TempFolder folder;
    const auto installed = folder / "installed" / "README.md";
    const auto source = folder / "source" / "README.md";
    const auto write = [](const std::filesystem::path& file) {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file) << "# Tarvik\n";
    };
    struct Case {
        const char* what;
        bool installedExists, sourceExists;
        std::optional<std::filesystem::path> found;
    };
    const Case cases[] = {
        {"both", true, true, installed},
        {"only the source tree's", false, true, source},
        {"neither", false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(folder / "installed");
        std::filesystem::remove_all(folder / "source");
        if (c.installedExists) write(installed);
        if (c.sourceExists) write(source);
        const std::filesystem::path places[] = {installed, source};
        EXPECT_EQ(findHelpPage(places), c.found);
    }
    std::filesystem::create_directories(folder / "dir" / "README.md");  // a folder by that name
    const std::filesystem::path folderOnly[] = {folder / "dir" / "README.md", {}};
    EXPECT_EQ(findHelpPage(folderOnly), std::nullopt);
    EXPECT_EQ(fileAddress("/usr/share/doc/tarvik/README.md"), "file:///usr/share/doc/tarvik/README.md");
}

}  // namespace
}  // namespace tarvik
