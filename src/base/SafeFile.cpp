// Whole reads, atomic replacement and the data-folder lock of the data files.
#include "base/SafeFile.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace tarvik {
namespace fs = std::filesystem;
namespace {

constexpr std::string_view kTemporarySuffix = ".tmp";
constexpr int kNameAttempts = 100;

std::error_code lastError() { return {errno, std::generic_category()}; }
std::error_code errorOf(std::errc code) { return std::make_error_code(code); }

ssize_t readSome(int fd, void* buffer, std::size_t size) {
    const auto& hook = fileIoHooks().read;
    return hook ? hook(fd, buffer, size) : ::read(fd, buffer, size);
}

ssize_t writeSome(int fd, const void* data, std::size_t size) {
    const auto& hook = fileIoHooks().write;
    return hook ? hook(fd, data, size) : ::write(fd, data, size);
}

std::error_code writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = writeSome(fd, bytes.data(), bytes.size());
        if (written < 0 && errno == EINTR) continue;
        if (written < 0) return lastError();
        // A write that takes nothing means the disk is full; the file is not complete.
        if (written == 0) return errorOf(std::errc::no_space_on_device);
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return {};
}

fs::path folderOf(const fs::path& file) {
    const fs::path folder = file.parent_path();
    return folder.empty() ? fs::path(".") : folder;
}

// ".<name>.<pid>.<random>.tmp": hidden, unique to the process, tied to the file it replaces.
std::string temporaryPrefix(const fs::path& target) { return "." + target.filename().string() + "."; }

fs::path temporaryNameFor(const fs::path& target) {
    static thread_local std::mt19937 random{std::random_device{}()};
    char tail[48];
    std::snprintf(tail, sizeof tail, "%ld.%08x%s", static_cast<long>(::getpid()), static_cast<unsigned>(random()),
                  kTemporarySuffix.data());
    return folderOf(target) / (temporaryPrefix(target) + tail);
}

// A temporary file of a saver that no longer runs; ours and those of live processes stay.
bool isLeftover(std::string_view entry, std::string_view prefix) {
    if (!entry.starts_with(prefix) || !entry.ends_with(kTemporarySuffix)) return false;
    entry.remove_prefix(prefix.size());
    long pid = 0;
    const char* const last = entry.data() + entry.size();
    const auto [end, error] = std::from_chars(entry.data(), last, pid);
    if (error != std::errc{} || end == entry.data() || end == last || *end != '.' || pid <= 0) return false;
    return pid != ::getpid() && ::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH;
}

void removeLeftovers(const fs::path& target) {
    const std::string prefix = temporaryPrefix(target);
    std::error_code ec;
    for (fs::directory_iterator it(folderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        if (isLeftover(it->path().filename().string(), prefix)) ::unlink(it->path().c_str());
    }
}

// The rename is durable only once the folder itself is on disk; the new file is complete
// either way, so a failure here is not reported.
void syncFolder(const fs::path& folder) {
    const UniqueFd dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir) ::fsync(dir.get());
}

// The old program wrote the file in place: an existing file it could not open for writing
// (read only, immutable, a folder) must still be refused, not replaced through its folder.
// Gives the existing file's permissions, or nothing when there is no file yet.
std::error_code probeWritable(const fs::path& target, std::optional<mode_t>& mode) {
    const UniqueFd probe(::open(target.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC));
    if (!probe) return errno == ENOENT ? std::error_code{} : lastError();
    struct stat info {};
    if (::fstat(probe.get(), &info) != 0) return lastError();
    if (!S_ISREG(info.st_mode)) return errorOf(std::errc::invalid_argument);  // a device or a pipe
    mode = info.st_mode & 07777;
    return {};
}

// Writes the bytes to a new temporary file beside `target` and flushes it to the disk.
std::error_code writeTemporary(const fs::path& target, std::string_view bytes, std::optional<mode_t> mode,
                               fs::path& temporary) {
    UniqueFd out;
    for (int attempt = 0; attempt < kNameAttempts && !out; ++attempt) {
        temporary = temporaryNameFor(target);
        out = UniqueFd(::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
        if (!out && errno != EEXIST) return lastError();
    }
    if (!out) return errorOf(std::errc::file_exists);
    std::error_code error;
    if (mode && ::fchmod(out.get(), *mode) != 0) error = lastError();
    if (!error) error = writeAll(out.get(), bytes);
    if (!error && ::fsync(out.get()) != 0) error = lastError();
    if (out.close() != 0 && !error) error = lastError();
    if (error) ::unlink(temporary.c_str());
    return error;
}

// Folders this thread holds the lock of, so a nested lock of the same folder is a no-op
// instead of a wait for itself.
thread_local std::vector<std::pair<dev_t, ino_t>> heldFolders;

}  // namespace

FileIoHooks& fileIoHooks() {
    static FileIoHooks hooks;
    return hooks;
}

std::error_code readWholeFile(const fs::path& file, std::string& bytes, std::uintmax_t limit, std::uintmax_t* size) {
    // Non-blocking, so a pipe in the file's place cannot hang the program; refused below.
    const UniqueFd in(::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (!in) return lastError();
    struct stat info {};
    if (::fstat(in.get(), &info) != 0) return lastError();
    if (S_ISDIR(info.st_mode)) return errorOf(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return errorOf(std::errc::invalid_argument);
    const auto fileSize = static_cast<std::uintmax_t>(info.st_size);
    if (size) *size = fileSize;
    if (fileSize > limit) {
        bytes.clear();
        return {};
    }
    std::string text;
    // One byte more than the file: a profile parse may add the last line's end in place.
    text.reserve(static_cast<std::size_t>(fileSize) + 1);
    std::array<char, 65536> buffer;
    for (;;) {
        const ssize_t got = readSome(in.get(), buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return lastError();
        if (got == 0) break;
        text.append(buffer.data(), static_cast<std::size_t>(got));
    }
    if (size) *size = text.size();
    bytes = std::move(text);
    return {};
}

std::error_code replacementTarget(const fs::path& file, fs::path& target) {
    struct stat info {};
    target = file;
    if (::lstat(file.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return {};
    std::error_code error;
    target = fs::canonical(file, error);  // a dangling link gives ENOENT, a loop ELOOP
    return error;
}

std::error_code writeFileAtomically(const fs::path& file, std::string_view bytes) {
    const DataFolderLock lock(file);
    fs::path target;
    if (auto error = replacementTarget(file, target)) return error;
    std::optional<mode_t> mode;
    if (auto error = probeWritable(target, mode)) return error;
    removeLeftovers(target);
    fs::path temporary;
    if (auto error = writeTemporary(target, bytes, mode, temporary)) return error;
    if (const auto& hook = fileIoHooks().beforeReplace) hook(target);
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        const auto error = lastError();
        ::unlink(temporary.c_str());
        return error;
    }
    syncFolder(folderOf(target));
    return {};
}

std::error_code keepBeside(const fs::path& file, fs::path& kept) {
    fs::path target;
    if (auto error = replacementTarget(file, target)) return error;
    struct stat info {};
    if (::stat(target.c_str(), &info) != 0) return lastError();
    if (S_ISDIR(info.st_mode)) return errorOf(std::errc::is_a_directory);
    if (!S_ISREG(info.st_mode)) return errorOf(std::errc::invalid_argument);
    for (int n = 1; n <= kNameAttempts; ++n) {
        kept = target;
        kept += n == 1 ? ".bad" : ".bad-" + std::to_string(n);
        if (::link(target.c_str(), kept.c_str()) == 0) return {};
        if (errno == EEXIST) continue;
        // No hard links on this file system: a copy of the bytes under the free name.
        std::string copy;
        if (auto error = readWholeFile(target, copy)) return error;
        fs::path temporary;
        if (auto error = writeTemporary(kept, copy, info.st_mode & 07777, temporary)) return error;
        if (::rename(temporary.c_str(), kept.c_str()) == 0) return {};
        const auto error = lastError();
        ::unlink(temporary.c_str());
        return error;
    }
    return errorOf(std::errc::file_exists);
}

DataFolderLock::DataFolderLock(const fs::path& file) {
    UniqueFd folder(::open(folderOf(file).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    struct stat info {};
    if (!folder || ::fstat(folder.get(), &info) != 0) return;
    const std::pair key{info.st_dev, info.st_ino};
    if (std::ranges::find(heldFolders, key) != heldFolders.end()) return;
    while (::flock(folder.get(), LOCK_EX) != 0) {
        if (errno != EINTR) return;
    }
    device_ = info.st_dev;
    inode_ = info.st_ino;
    folder_ = std::move(folder);
    heldFolders.push_back(key);
}

DataFolderLock::~DataFolderLock() {
    if (!folder_) return;
    std::erase(heldFolders, std::pair{device_, inode_});
    folder_.reset();  // closing the last descriptor releases the lock
}

}  // namespace tarvik
