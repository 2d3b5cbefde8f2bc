// The real program on a plain X11 desktop without a tray host: started without the mouse or
// without the right to open it, hidden and brought back without a tray, in Chinese.
#include <gtest/gtest.h>
#include <unistd.h>

#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "desktop/DesktopSession.h"
#include "platform/FakeSysfs.h"
#include "platform/HexFile.h"
#include "ui/SkinLayout.h"

namespace tarvik::desktop {
namespace {

namespace L = layout;

constexpr const char* kMouseUevent = "DRIVER=hid-generic\nHID_ID=0003:000004D9:0000A09F\nHID_NAME=USB Mouse\n";

int centreX(const L::Rect& r) { return (r.left + r.right) / 2; }
int centreY(const L::Rect& r) { return (r.top + r.bottom) / 2; }
void clickOn(DesktopSession& session, const L::Rect& r) { session.click(centreX(r), centreY(r)); }

std::string readFile(const std::filesystem::path& path) {
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// The value of `key` in the file's "Setting-EN" captions ("" when missing).
std::string caption(const std::filesystem::path& strIni, const std::string& key) {
    std::istringstream lines(readFile(strIni));
    bool inSection = false;
    for (std::string line; std::getline(lines, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[")) inSection = line == "[Setting-EN]";
        else if (inSection && line.starts_with(key + "=")) return line.substr(key.size() + 1);
    }
    return {};
}

// The program on its built-in simulated mouse, in the language `lan` of "str.ini".
SessionOptions simulated(const std::string& lan = "") {
    SessionOptions options;
    options.args = {"--simulate"};
    options.language = lan;
    return options;
}

struct ToolRun {
    int code;
    std::string output;
};

// Runs tarvikctl with the environment and wrapper of `options`; its exit code and output.
ToolRun runTool(const SessionOptions& options, const std::string& command) {
    std::string line = "env";
    for (const auto& [name, value] : options.env) line += " " + name + "='" + value + "'";
    for (const std::string& word : options.wrapper) line += " " + word;
    line += std::string(" ") + TARVIKCTL_BINARY + " " + command + " 2>&1";
    FILE* pipe = ::popen(line.c_str(), "r");
    if (!pipe) return {-1, "cannot run " + line};
    std::string output;
    char buffer[256];
    while (std::fgets(buffer, sizeof buffer, pipe)) output += buffer;
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// A machine as hidraw shows it: nothing at all, or the mouse's command collection whose node
// the user may not open (mode 000; root keeps its way round file modes unless it drops them).
struct MachineCase {
    const char* name;
    bool mousePresent;
    const char* pageNote;  // what the window says where the Basic page would be
    int statusCode;        // the exit code of `tarvikctl status`
    const char* statusLine;
};

void PrintTo(const MachineCase& c, std::ostream* os) { *os << c.name; }

class NoUsableMouse : public testing::TestWithParam<MachineCase> {};

TEST_P(NoUsableMouse, WindowExplainsAndExitEndsTheProgram) {
    const MachineCase& c = GetParam();
    test::FakeSysfs tree;
    SessionOptions options;
    options.env = {{"TARVIK_SYSFS_ROOT", tree.sys().string()}, {"TARVIK_DEV_ROOT", tree.dev().string()}};
    if (c.mousePresent) {
        tree.add({0, "1-2", kMouseUevent, test::readHexFile(test::descriptorFile("mouse_command")), "0105\n"});
        std::filesystem::permissions(tree.devNode(0), std::filesystem::perms::none);
        if (::geteuid() == 0) options.wrapper = {"setpriv", "--bounding-set", "-dac_override,-dac_read_search", "--"};
    }
    const ToolRun status = runTool(options, "status");
    EXPECT_EQ(status.code, c.statusCode) << status.output;
    EXPECT_NE(status.output.find(c.statusLine), std::string::npos) << status.output;

    DesktopSession session(options);
    ASSERT_TRUE(session.start()) << session.error();
    ASSERT_TRUE(session.mainWindow()) << session.log();

    EXPECT_TRUE(session.waitForLog(c.pageNote)) << session.log();
    // The Advanced page works without the mouse, and the Basic tab comes back to the note.
    clickOn(session, L::kAdvancedTab);
    clickOn(session, L::kBasicTab);
    clickOn(session, L::kExit);
    EXPECT_EQ(session.waitForExit(), 0) << session.log();
}

INSTANTIATE_TEST_SUITE_P(Machines, NoUsableMouse,
                         testing::Values(MachineCase{"NoMouse", false, "page note: No gaming mouse was found", 3,
                                                     "no Tarvik mouse (04D9:A09F) is connected: plug it in"},
                                         MachineCase{"NodeNotOpenable", true,
                                                     "page note: The gaming mouse is connected, but this user may "
                                                     "not open it",
                                                     4, "install the udev rule \"70-tarvik.rules\""}),
                         [](const auto& info) { return std::string(info.param.name); });

// Without a tray, Cancel minimises; however the window comes back, it shows the record Cancel
// restored, and a later Apply saves captions that match it.
struct ComeBackCase {
    const char* name;
    std::function<void(DesktopSession&)> bringBack;
};

void PrintTo(const ComeBackCase& c, std::ostream* os) { *os << c.name; }

class CancelWithoutTray : public testing::TestWithParam<ComeBackCase> {};

TEST_P(CancelWithoutTray, WindowComesBackWithTheSavedRecord) {
    DesktopSession session(simulated());
    ASSERT_TRUE(session.start()) << session.error();
    ASSERT_TRUE(session.mainWindow()) << session.log();
    ASSERT_TRUE(session.waitForLog("balloon code=14")) << session.log();
    const auto strIni = session.dataDir() / "str.ini";
    // Button 2's list hangs below its box; items are 16 pixels high.
    const L::Rect box = L::buttonBox(1);
    const auto pickItem = [&](int item) {
        clickOn(session, box);
        session.click(centreX(box), box.bottom + 1 + 16 * item + 8);
    };
    constexpr int kRightClick = 1, kKeyOff = 15;

    pickItem(kKeyOff);
    clickOn(session, L::kApply);
    ASSERT_TRUE(session.waitUntil([&] { return caption(strIni, "Item2") == "Key Off"; })) << readFile(strIni);

    pickItem(kRightClick);  // an edit that Cancel throws away
    clickOn(session, L::kCancel);
    ASSERT_TRUE(session.waitUntil([&] { return !session.isViewable(); })) << "Cancel did not minimise";
    GetParam().bringBack(session);
    ASSERT_TRUE(session.waitUntilViewable(true)) << session.log();
    session.settle();

    // Every apply saves "config.bin" and then the captions: wait for the file to be written.
    const auto configBin = session.dataDir() / "config.bin";
    const auto written = std::filesystem::last_write_time(configBin);
    clickOn(session, L::kApply);
    ASSERT_TRUE(session.waitUntil([&] { return std::filesystem::last_write_time(configBin) != written; }));
    session.settle();
    EXPECT_EQ(caption(strIni, "Item2"), "Key Off") << readFile(strIni);
    clickOn(session, L::kExit);
    EXPECT_EQ(session.waitForExit(), 0);
}

INSTANTIATE_TEST_SUITE_P(Ways, CancelWithoutTray,
                         testing::Values(ComeBackCase{"Taskbar", [](DesktopSession& s) { s.restoreFromTaskbar(); }},
                                         ComeBackCase{"SecondStart",
                                                      [](DesktopSession& s) { EXPECT_EQ(s.startSecondCopy(), 0); }}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(StartUpBalloon, SpeaksSimplifiedChineseWhenStrIniSaysCHS) {
    DesktopSession session(simulated("CHS"));
    ASSERT_TRUE(session.start()) << session.error();
    ASSERT_TRUE(session.mainWindow()) << session.log();
    EXPECT_TRUE(session.waitForLog("balloon code=14 value=0 title=\"Info\" text=\"系统检测到游戏鼠标。\""))
        << session.log();
    clickOn(session, L::kExit);
    EXPECT_EQ(session.waitForExit(), 0);
}

}  // namespace
}  // namespace tarvik::desktop
