// The process's own memory figures from "/proc/self/status", for benchmarks that report them.
#pragma once

#include <fstream>
#include <string>

namespace tarvik::bench {

// A "/proc/self/status" value in kB ("VmHWM:", "VmRSS:"); 0 when it is not there.
inline long statusKb(const std::string& key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    long value = 0;
    while (status >> word) {
        if (word == key) {
            status >> value;
            return value;
        }
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

inline long peakRssKb() { return statusKb("VmHWM:"); }
inline long rssKb() { return statusKb("VmRSS:"); }

// Starts a new peak: the kernel sets the high-water mark back to the current size.
inline void resetPeakRss() { std::ofstream("/proc/self/clear_refs") << "5"; }

}  // namespace tarvik::bench
