// Loading and saving "config.bin". The save replaces the file through a temporary file in the
// same folder, so a crash or power loss at any moment leaves either the old or the new file.
#include "settings/ConfigFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <system_error>
#include <vector>

namespace tarvik {
namespace {

constexpr const char* kMissingText = "Config file is not exist.";
constexpr const char* kWriteErrorCaption = "NULL ==fp ";

// Owns a file descriptor; closes it on scope exit.
class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() { reset(); }
    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now and reports the close error, which is where some file systems report a
    // failed write-back.
    int close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result;
    }

private:
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    int fd_;
};

std::string format(const char* pattern, int a, int b = 0, int c = 0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, pattern, a, b, c);
    return buffer;
}

bool readAll(int fd, std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::read(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool writeAll(int fd, const std::uint8_t* data, std::size_t size) {
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Makes the rename itself durable; a failure here is not reported because the new file is
// already in place and complete.
void syncFolder(const std::filesystem::path& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());
}

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path temp = path;
    temp += ".tmp";
    return temp;
}

// Writes `bytes` to a fresh temporary file beside `path` with `mode`, flushes it to the disk
// and renames it over `path`. Returns 0 or the errno of the first failing step.
int replaceFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes, mode_t mode) {
    const std::filesystem::path temp = temporaryPathFor(path);
    ::unlink(temp.c_str());  // a leftover of an interrupted save; O_EXCL then refuses links
    Fd out(::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode));
    if (!out) return errno;
    int error = 0;
    if (::fchmod(out.get(), mode) != 0 || !writeAll(out.get(), bytes.data(), bytes.size()) ||
        ::fsync(out.get()) != 0) {
        error = errno;
    }
    if (out.close() != 0 && error == 0) error = errno;
    if (error == 0 && ::rename(temp.c_str(), path.c_str()) != 0) error = errno;
    if (error != 0) {
        ::unlink(temp.c_str());
        return error;
    }
    syncFolder(path.parent_path());
    return 0;
}

// The old program opened the file for writing in place; an existing file it could not open
// must still be refused, not silently replaced through its folder.
int probeWritable(const std::filesystem::path& path, mode_t& mode) {
    Fd probe(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (!probe) return errno;
    struct stat info {};
    if (::fstat(probe.get(), &info) != 0) return errno;
    mode = info.st_mode & 07777;
    return 0;
}

}  // namespace

void LoadConfig(ConfigFile& file, ConfigRecord& record, platform::UserSink& sink) {
    std::error_code ec;
    if (!std::filesystem::exists(file.path, ec)) {
        sink.message(kMissingText, "");
        return;
    }
    Fd in(::open(file.path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in) return;
    const off_t size = ::lseek(in.get(), 0, SEEK_END);
    if (size != static_cast<off_t>(kConfigFileSize) || ::lseek(in.get(), 0, SEEK_SET) != 0) return;

    // Read the whole file before touching the record, so a short read leaves it as it was.
    std::array<std::uint8_t, kConfigFileSize> bytes{};
    if (!readAll(in.get(), bytes.data(), bytes.size())) return;
    RecordBytes recordBytes{};
    std::copy(bytes.begin() + 1, bytes.end(), recordBytes.begin());
    file.firstRunFlag = bytes[0];
    record = fromBytes(recordBytes);
    sink.trace(format("Prpgram First Run Flag:%d\nRead Size is: %d", file.firstRunFlag,
                      static_cast<int>(kConfigRecordSize)));
}

void SaveConfig(ConfigFile& file, const ConfigRecord& record, platform::UserSink& sink) {
    std::error_code ec;
    if (!std::filesystem::exists(file.path, ec)) {
        // The file is installed with the program and never created here.
        sink.message(kMissingText, "");
        return;
    }
    mode_t mode = 0644;
    int error = probeWritable(file.path, mode);
    std::vector<std::uint8_t> bytes;
    if (error == 0) {
        const RecordBytes recordBytes = toBytes(record);
        bytes.reserve(kConfigFileSize);
        bytes.push_back(1);
        bytes.insert(bytes.end(), recordBytes.begin(), recordBytes.end());
        error = replaceFile(file.path, bytes, mode);
    }
    if (error != 0) {
        sink.message(format("Error Code is: %d \n", error), kWriteErrorCaption);
        return;
    }
    file.firstRunFlag = 1;
    sink.trace(format("Data num:%d BYTE -%d BYTE\n Struct size:%d BYTE", 1,
                      static_cast<int>(kConfigRecordSize), static_cast<int>(kConfigRecordSize)));
}

}  // namespace tarvik
