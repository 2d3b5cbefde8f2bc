// Signals as a readable descriptor for the command line's poll loops.
#include "cli/SignalFd.h"

#include <signal.h>
#include <sys/signalfd.h>

namespace tarvik::cli {

platform::UniqueFd blockedSignalsFd(std::initializer_list<int> signals) {
    sigset_t set;
    sigemptyset(&set);
    for (int s : signals) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return platform::UniqueFd(signalfd(-1, &set, SFD_CLOEXEC));
}

}  // namespace tarvik::cli
