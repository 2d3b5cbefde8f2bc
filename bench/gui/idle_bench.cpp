// CPU time of a running `tarvik --simulate` over 10 idle seconds (no timers, no polling).
#include <sys/wait.h>
#include <unistd.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <thread>

namespace {

// utime + stime of a process, in clock ticks.
long cpuTicks(pid_t pid) {
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    std::string line;
    std::getline(stat, line);
    std::istringstream rest(line.substr(line.rfind(')') + 2));
    std::string field;
    long utime = 0, stime = 0;
    for (int i = 3; i <= 15 && rest >> field; ++i) {
        if (i == 14) utime = std::stol(field);
        if (i == 15) stime = std::stol(field);
    }
    return utime + stime;
}

}  // namespace

int main() {
    const auto dir = std::filesystem::temp_directory_path() / ("tarvik-idle-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir / "run");
    ::setenv("XDG_RUNTIME_DIR", (dir / "run").c_str(), 1);
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const pid_t pid = ::fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        ::execl(TARVIK_BINARY, TARVIK_BINARY, "--simulate", "--data-dir", (dir / "data").c_str(),
                static_cast<char*>(nullptr));
        ::_exit(127);
    }
    for (int i = 0; i < 500 && !std::filesystem::exists(dir / "run" / "tarvik-sim.sock"); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    std::this_thread::sleep_for(std::chrono::seconds(1));  // let start-up settle
    const long before = cpuTicks(pid);
    std::this_thread::sleep_for(std::chrono::seconds(10));
    const long after = cpuTicks(pid);
    ::kill(pid, SIGTERM);
    ::waitpid(pid, nullptr, 0);
    std::filesystem::remove_all(dir);
    const double ms = 1000.0 * static_cast<double>(after - before) / static_cast<double>(::sysconf(_SC_CLK_TCK));
    std::cout << "idle tarvik --simulate: " << ms << " ms of CPU time over 10 s (target: 0, timer resolution "
              << 1000 / ::sysconf(_SC_CLK_TCK) << " ms)\n";
    return 0;
}
