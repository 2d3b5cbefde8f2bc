// Signals as a readable descriptor for both programs' event and poll loops.
#include "session/SignalFd.h"

#include <signal.h>
#include <sys/signalfd.h>

namespace tarvik {

UniqueFd blockedSignalsFd(std::initializer_list<int> which) {
    sigset_t set;
    sigemptyset(&set);
    for (int s : which) sigaddset(&set, s);
    pthread_sigmask(SIG_BLOCK, &set, nullptr);
    return UniqueFd(signalfd(-1, &set, SFD_CLOEXEC));
}

}  // namespace tarvik
