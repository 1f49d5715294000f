#include "base/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>

#include <cerrno>
#include <thread>

namespace quivlane {

namespace {

using Clock = std::chrono::steady_clock;

enum class Outcome { Locked, Busy, Failed };

Outcome LockUntil(int fd, int operation, Clock::time_point deadline) {
    auto pause = std::chrono::milliseconds(1);
    for (;;) {
        if (::flock(fd, operation | LOCK_NB) == 0) {
            return Outcome::Locked;
        }
        if (errno == EINTR) {
            continue;
        }
        if (errno != EWOULDBLOCK) {
            return Outcome::Failed;
        }
        if (Clock::now() >= deadline) {
            return Outcome::Busy;
        }
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, std::chrono::milliseconds(8));
    }
}

}  // namespace

std::string FileLock::LockFileFor(const std::string& path) {
    const auto slash = path.find_last_of('/');
    const std::string folder =
        slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return folder + "." + name + ".lock";
}

FileLock::FileLock(const std::string& path, Mode mode, std::chrono::milliseconds patience) {
    const Clock::time_point deadline = Clock::now() + patience;
    const int operation = mode == Mode::Exclusive ? LOCK_EX : LOCK_SH;
    const std::string lockFile = LockFileFor(path);
    constexpr int kOpen = O_CLOEXEC | O_NOCTTY | O_NOFOLLOW | O_NONBLOCK;

    // A reader does not create the lock file: reading a file nobody ever wrote leaves no trace.
    int fd =
        mode == Mode::Exclusive ? ::open(lockFile.c_str(), O_RDWR | O_CREAT | kOpen, 0666) : -1;
    if (fd < 0) {
        fd = ::open(lockFile.c_str(), O_RDONLY | kOpen);
    }
    if (fd >= 0) {
        fd_.Reset(fd);
        const Outcome outcome = LockUntil(fd, operation, deadline);
        state_ = outcome == Outcome::Locked ? State::Held
                 : outcome == Outcome::Busy ? State::Busy
                                            : State::Unavailable;
        return;
    }

    // The file itself; a save that replaced it meanwhile means the lock is on the old one.
    for (;;) {
        fd_.Reset(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
        if (!fd_.Valid()) {
            state_ = State::Unavailable;
            return;
        }
        const Outcome outcome = LockUntil(fd_.Get(), operation, deadline);
        if (outcome != Outcome::Locked) {
            fd_.Reset();
            state_ = outcome == Outcome::Busy ? State::Busy : State::Unavailable;
            return;
        }
        struct stat held {};
        struct stat now {};
        if (::fstat(fd_.Get(), &held) == 0 && ::stat(path.c_str(), &now) == 0 &&
            held.st_dev == now.st_dev && held.st_ino == now.st_ino) {
            state_ = State::Held;
            return;
        }
        if (Clock::now() >= deadline) {
            fd_.Reset();
            state_ = State::Busy;
            return;
        }
    }
}

}  // namespace quivlane
