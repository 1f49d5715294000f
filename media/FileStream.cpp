#include "media/FileStream.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quivlane {

namespace {

int OpenFlags(std::uint32_t access, std::uint32_t creationDisposition, bool& valid) {
    valid = true;
    int flags = 0;
    const bool reads = (access & FileStream::kGenericRead) != 0;
    const bool writes = (access & FileStream::kGenericWrite) != 0;
    if (reads && writes) {
        flags = O_RDWR;
    } else if (writes) {
        flags = O_WRONLY;
    } else {
        flags = O_RDONLY;
    }
    switch (creationDisposition) {
        case FileStream::kCreateNew:
            return flags | O_CREAT | O_EXCL;
        case FileStream::kCreateAlways:
            return flags | O_CREAT | O_TRUNC;
        case FileStream::kOpenExisting:
            return flags;
        case FileStream::kOpenAlways:
            return flags | O_CREAT;
        case FileStream::kTruncateExisting:
            return flags | O_TRUNC;
        default:
            valid = false;
            return flags;
    }
}

}  // namespace

FileStream::~FileStream() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

void FileStream::SetError(const char* text) {
    if (text == nullptr) {
        errorText_.clear();
        return;
    }
    errorText_.assign(text);
    if (errorText_.size() > 1023) {
        errorText_.resize(1023);
    }
}

int FileStream::OpenFile(const char* name, std::uint32_t access, std::uint32_t /*shareMode*/,
                         std::uint32_t creationDisposition, std::uint32_t /*attributes*/) {
    if (open_ != 0) {
        SetError("FileStream::OpenFile\n\nStream already open.Close stream before!");
        return 0;
    }
    if (name == nullptr) {
        SetError("FileStream::OpenFile\n\nNeed file name!");
        return 0;
    }
    position_ = 0;
    bool valid = false;
    const int flags = OpenFlags(access, creationDisposition, valid);
    int fd = -1;
    if (valid) {
        // Without O_NONBLOCK a named pipe would hold the caller until some writer came.
        do {
            fd = ::open(name, flags | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0644);
        } while (fd < 0 && errno == EINTR);
    }
    if (fd < 0) {
        SetError("FileStream::OpenFile\n\nCan't open file!");
        return 0;
    }
    struct stat info {};
    // Sizes beyond 32 bits cannot be represented; refuse them rather than wrap.
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) ||
        info.st_size > static_cast<off_t>(std::numeric_limits<std::uint32_t>::max())) {
        ::close(fd);
        SetError("FileStream::OpenFile\n\nCan't open file!");
        return 0;
    }
    const int statusFlags = ::fcntl(fd, F_GETFL);
    if (statusFlags < 0 || ::fcntl(fd, F_SETFL, statusFlags & ~O_NONBLOCK) != 0) {
        ::close(fd);
        SetError("FileStream::OpenFile\n\nCan't open file!");
        return 0;
    }
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        ::close(fd);
        SetError("FileStream::OpenFile\n\nCan't seek to begining!");
        return 0;
    }
    fd_ = fd;
    fileSize_ = static_cast<std::uint32_t>(info.st_size);
    streamSize_ = fileSize_;
    position_ = 0;
    open_ = 1;
    return 1;
}

int FileStream::Seek(std::int32_t distance, std::uint32_t method) {
    if (open_ == 0) {
        SetError("FileStream::Seek\n\nStream isn't open!");
        return 0;
    }
    const std::int64_t d = distance;
    bool inBounds = true;
    switch (method) {
        case kFileBegin:
            inBounds = d >= 0 && d <= static_cast<std::int64_t>(streamSize_);
            break;
        case kFileCurrent:
            inBounds = d < 0 ? -d <= static_cast<std::int64_t>(position_)
                             : d <= static_cast<std::int64_t>(streamSize_) - position_;
            break;
        case kFileEnd:
            inBounds = d <= 0 && -d <= static_cast<std::int64_t>(streamSize_);
            break;
        default:
            break;
    }
    if (!inBounds) {
        SetError("FileStream::Seek\n\nCan't seek stream !\nlDistanceToMove out of bounds.");
        return 0;
    }
    // Reads go by offset, so the target is reckoned from the stream's own position.
    std::int64_t target = -1;
    switch (method) {
        case kFileBegin:
            target = d;
            break;
        case kFileCurrent:
            target = static_cast<std::int64_t>(position_) + d;
            break;
        case kFileEnd:
            target = static_cast<std::int64_t>(streamSize_) + d;
            break;
        default:
            break;
    }
    const off_t result = target < 0 ? static_cast<off_t>(-1) : ::lseek(fd_, target, SEEK_SET);
    if (result < 0 || result > static_cast<off_t>(std::numeric_limits<std::uint32_t>::max())) {
        SetError("FileStream::Seek\n\nCan't seek file pointer!");
        return 0;
    }
    position_ = static_cast<std::uint32_t>(result);
    return 1;
}

int FileStream::Read(void* destination, std::uint32_t count, std::uint32_t* bytesRead) {
    if (open_ == 0) {
        return 0;
    }
    if (bytesRead == nullptr) {
        SetError("FileStream::Read\n\nlpNumberOfBytesRead can't be 0 !");
        return 0;
    }
    *bytesRead = 0;
    if (destination == nullptr) {
        SetError("FileStream::Read\n\nlpBuffer can't be 0 !");
        return 0;
    }
    if (position_ > streamSize_) {
        SetError("FileStream::Read\n\nStream pointer out of bounds !");
        return 0;
    }
    if (count > streamSize_ - position_) {
        count = streamSize_ - position_;
    }
    auto* out = static_cast<unsigned char*>(destination);
    std::uint32_t total = 0;
    bool failed = false;
    const std::uint64_t cacheEnd = cacheStart_ + cache_.size();
    if (count <= kCacheSize && (position_ < cacheStart_ || position_ + count > cacheEnd)) {
        failed = !FillCache(position_);
    }
    if (!failed && count <= kCacheSize) {
        const std::uint64_t end = cacheStart_ + cache_.size();
        total = position_ < end
                    ? static_cast<std::uint32_t>(std::min<std::uint64_t>(count, end - position_))
                    : 0;
        if (total > 0) {
            std::memcpy(out, cache_.data() + (position_ - cacheStart_), total);
        }
    } else if (!failed) {
        total = ReadAt(position_, out, count, failed);
    }
    if (failed || total == 0) {
        SetError("FileStream::Read\n\nCan't read from file");
        ::lseek(fd_, position_, SEEK_SET);
        return 0;
    }
    position_ += total;
    *bytesRead = total;
    return 1;
}

std::uint32_t FileStream::ReadAt(std::uint64_t offset, unsigned char* out, std::uint32_t count,
                                 bool& failed) {
    std::uint32_t total = 0;
    failed = false;
    while (total < count) {
        const ssize_t got =
            ::pread(fd_, out + total, count - total, static_cast<off_t>(offset + total));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            failed = true;
            break;
        }
        if (got == 0) {
            break;
        }
        total += static_cast<std::uint32_t>(got);
    }
    return total;
}

bool FileStream::FillCache(std::uint64_t offset) {
    const std::uint64_t left = streamSize_ > offset ? streamSize_ - offset : 0;
    cache_.resize(static_cast<std::size_t>(std::min<std::uint64_t>(kCacheSize, left)));
    cacheStart_ = offset;
    bool failed = false;
    const std::uint32_t got =
        ReadAt(offset, cache_.data(), static_cast<std::uint32_t>(cache_.size()), failed);
    cache_.resize(failed ? 0 : got);
    return !failed;
}

}  // namespace quivlane
