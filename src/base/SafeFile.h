// Reading and replacing the data files without ever losing one: whole reads with the system's
// error, replacement through a temporary file renamed over the target (through a symbolic
// link, over the link's target), and an advisory lock on the data folder that every program
// saving there takes around its read-modify-write.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <system_error>

#include "base/UniqueFd.h"

namespace tarvik {

// Reads the whole file into `bytes`; a missing file (or a dangling link) gives ENOENT, a
// folder in its place EISDIR. A file of more than `limit` bytes is not read: `bytes` stays
// empty and `*size` (when given) tells its size. `bytes` is untouched on failure.
std::error_code readWholeFile(const std::filesystem::path& file, std::string& bytes, std::uintmax_t limit = UINTMAX_MAX,
                              std::uintmax_t* size = nullptr);

// The file a save replaces: `file` itself, or the final target of a symbolic link. A link
// whose target does not exist gives ENOENT: it is reported, never replaced by a new file.
std::error_code replacementTarget(const std::filesystem::path& file, std::filesystem::path& target);

// Replaces the file's content: the bytes go to a temporary file with a name of this process
// beside the target, are flushed to the disk and renamed over it, so a reader sees the old
// or the new file, never a mix. An existing file that cannot be opened for writing (read
// only, immutable, a folder) is refused as an in-place write would be; the new file keeps
// the old one's permissions. Temporary files left by a killed saver are removed. The
// data-folder lock is held while it works.
std::error_code writeFileAtomically(const std::filesystem::path& file, std::string_view bytes);

// Keeps the file's present bytes under the first free name "<file>.bad", "<file>.bad-2", ...
// beside it (the link's target for a symbolic link), before a save replaces a file that
// could not be used: a second name for the same data, or a copy where the file system has
// no hard links. Returns the name in `kept`.
std::error_code keepBeside(const std::filesystem::path& file, std::filesystem::path& kept);

// An exclusive advisory lock (flock) on the folder holding `file`, held while the object
// lives, so two programs never interleave their read-modify-write of the same data files.
// Taking it again in the same thread is a no-op; when the folder cannot be opened (missing,
// or a file system without locks) the work goes ahead unlocked and fails or succeeds alone.
class DataFolderLock {
public:
    explicit DataFolderLock(const std::filesystem::path& file);
    ~DataFolderLock();
    DataFolderLock(const DataFolderLock&) = delete;
    DataFolderLock& operator=(const DataFolderLock&) = delete;

private:
    UniqueFd folder_;
    dev_t device_ = 0;
    ino_t inode_ = 0;
};

// Test seam: the reads and writes of file bytes and the moment before a new file replaces the
// old one. Empty functions mean the system calls and nothing.
struct FileIoHooks {
    std::function<ssize_t(int fd, void* buffer, std::size_t size)> read;
    std::function<ssize_t(int fd, const void* data, std::size_t size)> write;
    std::function<void(const std::filesystem::path& target)> beforeReplace;
};
FileIoHooks& fileIoHooks();

}  // namespace tarvik
