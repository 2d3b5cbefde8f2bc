// The windowed program end to end on the simulated mouse: a report becomes a balloon through
// the listener thread, and the real `tarvik` process keeps to one copy and answers presses.
#include <gtest/gtest.h>

#include <QTest>

#include <sys/wait.h>
#include <csignal>
#include <fstream>
#include <sstream>
#include <thread>

#include "app/ShellFixture.h"
#include "performance/DpiTables.h"
#include "platform/fake/FakeClock.h"
#include "session/LinkSession.h"
#include "simulator/ControlSocket.h"
#include "simulator/SimulatorBackend.h"

namespace tarvik::test {
namespace {

TEST(ShellOnSimulator, DpiReportBecomesTheStageBalloon) {
    ShellRig rig;
    simulator::SimulatorBackend sim;
    platform::FakeClock clock;
    LinkSession session(sim, nullptr, clock);
    CPellorDlg window(
        rig.services(session, rig.data, {.debugLog = [&](const std::string& line) { rig.debugLog.push_back(line); }}),
        rig.records);
    ASSERT_EQ(window.OnInitDialog(), CPellorDlg::InitResult::Ready);
    ASSERT_TRUE(session.connected());
    const std::size_t before = rig.tray.balloons.size();

    ASSERT_TRUE(sim.emitEvent(7, 2));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rig.tray.balloons.size() > before; }, 10000));
    const std::string expected =
        "Switch DPI into the second stage " + std::string(DpiLabel(0, rig.records.current.dpiLevel[1]));
    EXPECT_EQ(rig.tray.balloons.back(), (platform::FakeTray::Balloon{"Info", expected, 5000}));
    window.teardown();  // stops the listener while nothing is in flight
}

// Starts a program with arguments, stderr to a file; returns its pid.
pid_t spawn(const std::vector<std::string>& args, const std::filesystem::path& errFile) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen(errFile.c_str(), "w", stderr);
        std::vector<char*> argv;
        for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return pid;
}

// Exit code of the process, or -1 when it has not ended within the time.
int waitExit(pid_t pid, std::chrono::seconds limit) {
    for (auto end = std::chrono::steady_clock::now() + limit; std::chrono::steady_clock::now() < end;) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return -1;
}

TEST(ShellProcess, ASecondCopyExitsWithZeroAndPressesReachTheFirst) {
    TempSkins dirs;
    const auto runtime = dirs.dir / "run";
    std::filesystem::create_directories(runtime);
    ::setenv("XDG_RUNTIME_DIR", runtime.c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::vector<std::string> args{TARVIK_BINARY, "--simulate", "--data-dir", (dirs.dir / "data").string()};

    const pid_t first = spawn(args, dirs.dir / "first.log");
    // The control socket appears once start-up has finished.
    const auto socket = runtime / "tarvik-sim.sock";
    for (int i = 0; i < 500 && !std::filesystem::exists(socket); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(std::filesystem::exists(socket));

    const pid_t second = spawn(args, dirs.dir / "second.log");
    EXPECT_EQ(waitExit(second, std::chrono::seconds(20)), 0);

    std::string error;
    EXPECT_TRUE(simulator::sendPress("macro", 12, &error)) << error;
    // The report travels through the listener thread: wait (bounded) for its debug-log line.
    std::string text;
    for (int i = 0; i < 500 && text.find("text=\"Switch to macro key12\"") == std::string::npos; ++i) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        std::ifstream log(dirs.dir / "first.log");
        std::stringstream content;
        content << log.rdbuf();
        text = content.str();
    }
    ::kill(first, SIGTERM);
    waitExit(first, std::chrono::seconds(20));
    EXPECT_NE(text.find("text=\"Switch to macro key12\""), std::string::npos) << text;
}

// A wire log that cannot be written ends the start with one message, before any window.
TEST(ShellProcess, AWireLogThatCannotBeWrittenEndsTheStart) {
    TempSkins dirs;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const auto wire = dirs.dir / "no-such-folder" / "wire.txt";
    const pid_t pid =
        spawn({TARVIK_BINARY, "--simulate", "--data-dir", (dirs.dir / "data").string(), "--wire-log", wire.string()},
              dirs.dir / "err.log");
    EXPECT_EQ(waitExit(pid, std::chrono::seconds(20)), 2);
    std::ifstream log(dirs.dir / "err.log");
    std::stringstream content;
    content << log.rdbuf();
    // Qt may add its own warnings; ours is the one line from tarvik.
    const std::string said = content.str();
    const std::string message = "tarvik: cannot write the wire log " + wire.string() + ": No such file or directory\n";
    EXPECT_NE(said.find(message), std::string::npos) << said;
    EXPECT_EQ(said.find("tarvik:"), said.rfind("tarvik:")) << said;
}

}  // namespace
}  // namespace tarvik::test
