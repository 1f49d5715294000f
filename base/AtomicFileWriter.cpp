#include "base/AtomicFileWriter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <random>
#include <utility>
#include <vector>

#include "base/UniqueFd.h"

namespace quivlane {

namespace {

constexpr mode_t kAnyWriteBit = S_IWUSR | S_IWGRP | S_IWOTH;
constexpr int kMaxLinkHops = 40;
constexpr const char* kTemporarySuffix = ".tmp";

// Removes a named temporary file unless the rename took it over.
class TemporaryName {
  public:
    TemporaryName() = default;
    ~TemporaryName() {
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;
    void Set(std::string path) { path_ = std::move(path); }
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

std::string NameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Cut so that the temporary name stays within the file-name limit.
std::string TemporaryPrefix(const std::string& target) {
    return "." + NameOf(target).substr(0, 200) + ".";
}

std::string RandomTemporary(const std::string& directory, const std::string& prefix) {
    static thread_local std::mt19937 random{std::random_device{}()};
    return directory + "/" + prefix + std::to_string(random() % 1000000000u) + kTemporarySuffix;
}

// A writer killed between creating its named temporary and renaming it leaves the file
// behind; while we hold the lock nobody else is saving, so any such name is stale.
void RemoveStaleTemporaries(const std::string& directory, const std::string& prefix) {
    std::error_code error;
    std::vector<std::filesystem::path> stale;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end;
         it.increment(error)) {
        const std::string name = it->path().filename().string();
        const std::string_view suffix = kTemporarySuffix;
        if (name.size() <= prefix.size() + suffix.size() ||
            name.compare(0, prefix.size(), prefix) != 0 ||
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) != 0) {
            continue;
        }
        const std::string middle =
            name.substr(prefix.size(), name.size() - prefix.size() - suffix.size());
        if (middle.find_first_not_of("0123456789") == std::string::npos) {
            stale.push_back(it->path());
        }
    }
    for (const auto& path : stale) {
        ::unlink(path.c_str());
    }
}

void SyncDirectory(const std::string& directory) {
    UniqueFd dir(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.Valid()) {
        // Best effort: the data itself is already on disk.
        (void)::fsync(dir.Get());
    }
}

// The folder refuses new files; any other error of the unnamed open means the file system
// does not know O_TMPFILE.
bool FolderRefuses(int error) {
    return error == EACCES || error == EPERM || error == EROFS || error == ENOENT ||
           error == ENOTDIR || error == ENOSPC || error == EDQUOT;
}

// Gives the new file the old one's owner and group; false when either could not be kept.
bool KeepOwnership(int fd, const struct stat& old) {
    if (::fchmod(fd, old.st_mode & 07777) != 0) {
        return false;
    }
    struct stat now {};
    if (::fstat(fd, &now) != 0) {
        return false;
    }
    // Owner and group apart: a member of the file's group may give it back even when the
    // owner cannot be.
    if (now.st_uid != old.st_uid && ::fchown(fd, old.st_uid, static_cast<gid_t>(-1)) != 0) {
        return false;
    }
    if (now.st_gid != old.st_gid && ::fchown(fd, static_cast<uid_t>(-1), old.st_gid) != 0) {
        return false;
    }
    // A change of owner clears the set-id bits.
    return ::fchmod(fd, old.st_mode & 07777) == 0;
}

SaveOutcome Failed(SaveFailure failure, int error, std::string path) {
    return SaveOutcome{failure, error, std::move(path)};
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

std::string AtomicFileWriter::ResolveLinks(const std::string& path) {
    std::string current = path;
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return current;
        }
        std::string target(static_cast<std::size_t>(info.st_size) + 256, '\0');
        const ssize_t length = ::readlink(current.c_str(), target.data(), target.size());
        if (length <= 0 || static_cast<std::size_t>(length) >= target.size()) {
            return current;
        }
        target.resize(static_cast<std::size_t>(length));
        current = target.front() == '/' ? target : DirectoryOf(current) + "/" + target;
    }
    // A loop of links: the open that follows reports it.
    return current;
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
            errno = ENOSPC;
            return false;
        }
        contents.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

AtomicFileWriter::Attempt AtomicFileWriter::WriteBeside(const std::string& target,
                                                        const struct stat* old,
                                                        std::string_view contents, bool tryUnnamed,
                                                        SaveOutcome& outcome) const {
    const std::string directory = DirectoryOf(target);
    const std::string prefix = TemporaryPrefix(target);
    RemoveStaleTemporaries(directory, prefix);
    const auto refused = [&](int error) {
        if (old != nullptr) {
            return Attempt::InPlace;
        }
        outcome = Failed(SaveFailure::CannotCreate, error, directory);
        return Attempt::Failed;
    };

    // 0666 lets the umask decide for a new file, as any newly created file would. An unnamed
    // file leaves nothing behind when the writer is killed.
    int fd = tryUnnamed ? ::open(directory.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666) : -1;
    const bool unnamed = fd >= 0;
    TemporaryName cleanup;
    std::string temporary;
    if (!unnamed) {
        if (tryUnnamed && FolderRefuses(errno)) {
            return refused(errno);
        }
        for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
            temporary = RandomTemporary(directory, prefix);
            fd =
                ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
            if (fd < 0 && errno != EEXIST) {
                return refused(errno);
            }
        }
        if (fd < 0) {
            return refused(EEXIST);
        }
        cleanup.Set(temporary);
    }
    UniqueFd file(fd);

    if (old != nullptr && !KeepOwnership(file.Get(), *old)) {
        return Attempt::InPlace;
    }
    if (!WriteAll(file.Get(), contents) || ::fsync(file.Get()) != 0) {
        outcome = Failed(SaveFailure::WriteFailed, errno, target);
        return Attempt::Failed;
    }
    if (unnamed) {
        // The name exists only for the instant before the rename; a kill in between leaves a
        // file the next save removes.
        const std::string self = "/proc/self/fd/" + std::to_string(file.Get());
        int error = EEXIST;
        for (int attempt = 0; attempt < 16 && error == EEXIST; ++attempt) {
            temporary = RandomTemporary(directory, prefix);
            error = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(),
                             AT_SYMLINK_FOLLOW) == 0
                        ? 0
                        : errno;
        }
        if (error != 0) {
            // No /proc to link through: a named temporary file does the same.
            return Attempt::Named;
        }
        cleanup.Set(temporary);
    }
    if (!file.Close()) {
        outcome = Failed(SaveFailure::WriteFailed, errno, target);
        return Attempt::Failed;
    }
    if (::rename(temporary.c_str(), target.c_str()) != 0) {
        outcome = Failed(SaveFailure::WriteFailed, errno, target);
        return Attempt::Failed;
    }
    cleanup.Release();
    SyncDirectory(directory);
    return Attempt::Done;
}

SaveOutcome AtomicFileWriter::WriteInPlace(const std::string& target,
                                           std::string_view contents) const {
    UniqueFd file(::open(target.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    struct stat info {};
    if (!file.Valid() || ::fstat(file.Get(), &info) != 0) {
        return Failed(SaveFailure::ReadOnlyFile, errno, target);
    }
    const auto size = static_cast<off_t>(contents.size());
    // Reserve the room first, so that a full disk refuses the save before the old text is
    // overwritten.
    if (size > info.st_size) {
        const int error = ::posix_fallocate(file.Get(), info.st_size, size - info.st_size);
        if (error != 0 && error != EOPNOTSUPP && error != EINVAL) {
            return Failed(SaveFailure::WriteFailed, error, target);
        }
    }
    if (::lseek(file.Get(), 0, SEEK_SET) != 0 || !WriteAll(file.Get(), contents) ||
        ::ftruncate(file.Get(), size) != 0 || ::fsync(file.Get()) != 0 || !file.Close()) {
        return Failed(SaveFailure::WriteFailed, errno, target);
    }
    return {};
}

SaveOutcome AtomicFileWriter::Write(const std::string& path, std::string_view contents) const {
    if (path.empty()) {
        return Failed(SaveFailure::NoPath, ENOENT, path);
    }
    const std::string target = ResolveLinks(path);
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode)) {
        return Failed(SaveFailure::NotAFile, EISDIR, target);
    }
    if (exists && !IsWritableFile(target)) {
        return Failed(SaveFailure::ReadOnlyFile, EACCES, target);
    }
    SaveOutcome outcome;
    Attempt attempt = WriteBeside(target, exists ? &old : nullptr, contents, true, outcome);
    if (attempt == Attempt::Named) {
        attempt = WriteBeside(target, exists ? &old : nullptr, contents, false, outcome);
    }
    switch (attempt) {
        case Attempt::Done:
            return {};
        case Attempt::InPlace:
            return WriteInPlace(target, contents);
        case Attempt::Failed:
        case Attempt::Named:
            break;
    }
    return outcome;
}

bool AtomicFileWriter::Replace(const std::string& path, std::string_view contents) const {
    return Write(path, contents).Ok();
}

}  // namespace quivlane
