// A move-only owner of a file descriptor, closed when the owner goes away.
#pragma once

#include <unistd.h>

#include <utility>

namespace tarvik {

class UniqueFd {
public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd() { reset(); }
    UniqueFd(UniqueFd&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    UniqueFd& operator=(UniqueFd&& other) noexcept {
        if (this != &other) {
            reset();
            fd_ = std::exchange(other.fd_, -1);
        }
        return *this;
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    void reset() {
        if (fd_ >= 0) ::close(fd_);
        fd_ = -1;
    }
    // Closes now and returns what close says: some file systems report a failed write-back
    // only here.
    int close() { return fd_ >= 0 ? ::close(std::exchange(fd_, -1)) : 0; }
    // Gives up ownership without closing: the caller keeps the descriptor.
    [[nodiscard]] int release() { return std::exchange(fd_, -1); }

private:
    int fd_ = -1;
};

}  // namespace tarvik
