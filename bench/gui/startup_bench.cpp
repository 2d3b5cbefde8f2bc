// Start-up to the first painted Basic page on the simulated mouse, and peak memory, beside a
// bare Qt window of the same size. Each run is a fresh process; the parent takes medians.
#include <QEvent>
#include <QWidget>

#include <sys/wait.h>
#include <unistd.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "BenchShell.h"

using namespace tarvik;
using Clock = std::chrono::steady_clock;

namespace {

// Ends the event loop at the first paint of the watched window.
class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            QMetaObject::invokeMethod(QApplication::instance(), &QApplication::quit, Qt::QueuedConnection);
        }
        return QObject::eventFilter(object, event);
    }
    bool painted = false;
};

int child(const std::string& mode, Clock::time_point start) {
    int argc = 1;
    char name[] = "startup_bench";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    FirstPaint watcher;
    std::unique_ptr<bench::BenchShell> shell;
    std::unique_ptr<QWidget> bare;
    QWidget* window = nullptr;
    if (mode == "tarvik") {
        shell = std::make_unique<bench::BenchShell>(std::filesystem::temp_directory_path() /
                                                    ("tarvik-startup-" + std::to_string(::getpid())));
        window = shell->window.get();
        window->installEventFilter(&watcher);
        shell->window->OnInitDialog();
    } else {
        bare = std::make_unique<QWidget>();
        bare->resize(890, 660);
        window = bare.get();
        window->installEventFilter(&watcher);
    }
    window->show();
    QApplication::exec();
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    std::printf("%f %ld\n", ms, bench::peakRssKb());
    return 0;
}

// Runs one child process and reads its time (ms from fork) and peak memory (kB).
std::pair<double, long> runOnce(const char* self, const char* mode) {
    int fds[2];
    if (::pipe(fds) != 0) return {0, 0};
    const auto start = Clock::now();
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(fds[1], 1);
        ::execl(self, self, mode, static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(fds[1]);
    char buffer[128] = {};
    const ssize_t n = ::read(fds[0], buffer, sizeof buffer - 1);
    ::close(fds[0]);
    ::waitpid(pid, nullptr, 0);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    long kb = 0;
    double childMs = 0;
    if (n <= 0 || std::sscanf(buffer, "%lf %ld", &childMs, &kb) != 2) {
        std::cerr << "startup_bench: the " << mode << " child did not paint (no display?)\n";
        std::exit(1);
    }
    return {ms, kb};
}

}  // namespace

int main(int argc, char** argv) {
    // Headless unless a display is asked for; a child that cannot open its window would
    // otherwise be timed as if it had painted.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    if (argc == 2) return child(argv[1], Clock::now());
    const int runs = 7;
    auto median = [](std::vector<double> v) {
        std::sort(v.begin(), v.end());
        return v[v.size() / 2];
    };
    double results[2][2];
    const char* modes[] = {"bare", "tarvik"};
    for (int m = 0; m < 2; ++m) {
        std::vector<double> times, memory;
        for (int i = 0; i < runs; ++i) {
            auto [ms, kb] = runOnce(argv[0], modes[m]);
            times.push_back(ms);
            memory.push_back(static_cast<double>(kb));
        }
        results[m][0] = median(times);
        results[m][1] = median(memory);
    }
    std::cout << "start-up to first paint (median of " << runs << "): bare Qt window " << results[0][0]
              << " ms, tarvik Basic page " << results[1][0] << " ms, ratio " << results[1][0] / results[0][0]
              << " (target <= 3)\n"
              << "peak memory: bare " << results[0][1] << " kB, tarvik " << results[1][1] << " kB, ratio "
              << results[1][1] / results[0][1] << " (target <= 2)\n";
    return 0;
}
