// Fuzz target of the "config.bin" loader: any file content, of any length, loads or is
// refused without touching memory it does not own.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "settings/ConfigFile.h"

namespace {

class SilentSink : public tarvik::platform::UserSink {
public:
    void message(const std::string&, const std::string&) override {}
    void notice(int, int) override {}
};

// The bytes as a file without touching the disk: a memory file reached through /proc.
class MemoryFile {
public:
    MemoryFile(const std::uint8_t* data, std::size_t size) : fd_(::memfd_create("config.bin", MFD_CLOEXEC)) {
        if (fd_ >= 0 && size > 0 && ::write(fd_, data, size) != static_cast<ssize_t>(size)) {
            __builtin_trap();
        }
    }
    MemoryFile(const MemoryFile&) = delete;
    MemoryFile& operator=(const MemoryFile&) = delete;
    ~MemoryFile() { ::close(fd_); }
    std::string path() const { return "/proc/self/fd/" + std::to_string(fd_); }

private:
    int fd_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const MemoryFile file(data, size);
    tarvik::ConfigFile config{file.path()};
    tarvik::ConfigRecord record;
    SilentSink sink;
    tarvik::LoadConfig(config, record, sink);
    return 0;
}
