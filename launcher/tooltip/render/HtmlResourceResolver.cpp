#include "launcher/tooltip/render/HtmlResourceResolver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QBuffer>
#include <QByteArray>
#include <QImageReader>
#include <QString>
#include <cerrno>

namespace quivlane {

namespace {

// A picture file bigger than this is not a tooltip picture.
constexpr qint64 kMaxFileBytes = 16 << 20;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int Get() const { return fd_; }

  private:
    int fd_;
};

// The whole of a regular file, or nothing. Opened without blocking: markup may name a FIFO,
// a device or a socket, and the GUI thread must not wait on any of them.
QByteArray ReadRegularFile(const std::string& path) {
    const FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || ::fstat(fd.Get(), &st) != 0 || !S_ISREG(st.st_mode) ||
        st.st_size > kMaxFileBytes) {
        return {};
    }
    QByteArray bytes;
    bytes.resize(static_cast<qsizetype>(st.st_size));
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n =
            ::read(fd.Get(), bytes.data() + done, static_cast<std::size_t>(bytes.size() - done));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        done += n;
    }
    bytes.truncate(done);
    return bytes;
}

}  // namespace

QImage HtmlResourceResolver::Decode(const QByteArray& bytes) {
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) {
        return {};
    }
    QImageReader reader(&buffer);
    const QSize size = reader.size();
    // Decide from the header, before any pixel memory is taken.
    if (!size.isValid() ||
        static_cast<qint64>(size.width()) * size.height() * 4 > kMaxDecodedBytes) {
        return {};
    }
    reader.setAllocationLimit(static_cast<int>(kMaxDecodedBytes >> 20));
    return reader.read();
}

QImage HtmlResourceResolver::Bitmap(int id) const {
    return QImage(QStringLiteral(":/tooltip/bitmap-%1.png").arg(id));
}

QImage HtmlResourceResolver::Icon(int id) const {
    return QImage(QStringLiteral(":/tooltip/icon-%1.png").arg(id));
}

QImage HtmlResourceResolver::File(const std::string& path) const {
    if (path.empty()) {
        return {};
    }
    return Decode(ReadRegularFile(path));
}

QImage HtmlResourceResolver::Handle(std::uint64_t) const {
    return {};
}

QImage HtmlResourceResolver::ModuleBitmap(const std::string&, int) const {
    return {};
}

std::optional<std::string> HtmlResourceResolver::String(int) const {
    return std::nullopt;
}

}  // namespace quivlane
