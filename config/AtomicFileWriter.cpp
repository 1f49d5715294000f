#include "config/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <random>
#include <utility>

#include "config/UniqueFd.h"

namespace quivlane {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;

// Removes the temporary file unless the rename took it over.
class TemporaryName {
  public:
    explicit TemporaryName(std::string path) : path_(std::move(path)) {}
    ~TemporaryName() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    void Release() { path_.clear(); }

  private:
    std::string path_;
};

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) {
        return ".";
    }
    if (slash == 0) {
        return "/";
    }
    return path.substr(0, slash);
}

// A symbolic link is kept and its target replaced, as a plain write would do.
std::string ResolveTarget(const std::string& path) {
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        char resolved[PATH_MAX];
        if (::realpath(path.c_str(), resolved) != nullptr) {
            return resolved;
        }
    }
    return path;
}

void SyncDirectory(const std::string& directory) {
    UniqueFd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) {
        // Best effort: the data itself is already on disk.
        (void)::fsync(dir.Get());
    }
}

}  // namespace

AtomicFileWriter::AtomicFileWriter() : write_(&::write) {}

AtomicFileWriter::AtomicFileWriter(WriteFunction write) : write_(std::move(write)) {}

bool AtomicFileWriter::IsWritableFile(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!fd.Valid()) {
        return false;
    }
    struct stat info {};
    return ::fstat(fd.Get(), &info) == 0 && S_ISREG(info.st_mode) &&
           (info.st_mode & kAnyWriteBit) != 0;
}

bool AtomicFileWriter::WriteAll(int fd, std::string_view contents) const {
    while (!contents.empty()) {
        const ssize_t written = write_(fd, contents.data(), contents.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

bool AtomicFileWriter::Replace(const std::string& path, std::string_view contents) const {
    if (path.empty()) {
        return false;
    }
    const std::string target = ResolveTarget(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !IsWritableFile(target)) {
        return false;
    }

    const std::string directory = DirectoryOf(target);
    const auto slash = target.find_last_of('/');
    // Cut so that the temporary name stays within the file-name limit.
    const std::string base =
        (slash == std::string::npos ? target : target.substr(slash + 1)).substr(0, 200);
    std::random_device seed;
    std::mt19937 random(seed());

    std::string temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = directory + "/." + base + "." + std::to_string(random() % 1000000000u) + ".tmp";
        // 0666 lets the umask decide for a new file, as any newly created file would.
        fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd < 0 && errno != EEXIST) {
            return false;
        }
    }
    UniqueFd file(fd);
    if (!file.Valid()) {
        return false;
    }
    TemporaryName cleanup(temporary);

    if (exists) {
        if (::fchmod(file.Get(), old.st_mode & 07777) != 0) {
            return false;
        }
        // Only possible for a privileged writer; a failure keeps the writer's own ownership.
        (void)::fchown(file.Get(), old.st_uid, old.st_gid);
        (void)::fchmod(file.Get(), old.st_mode & 07777);
    }
    if (!WriteAll(file.Get(), contents) || ::fsync(file.Get()) != 0 || !file.Close()) {
        return false;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        return false;
    }
    cleanup.Release();
    SyncDirectory(directory);
    return true;
}

}  // namespace quivlane
