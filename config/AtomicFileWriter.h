#pragma once

#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quivlane {

// Replaces a file's whole contents so that readers see either the old file or the new one,
// never a truncated mix: the data goes to a temporary file beside it, is synced, then renamed
// over the old name. The old file's permissions (and owner, where allowed) carry over.
class AtomicFileWriter {
  public:
    // Same contract as ::write; lets tests simulate a full disk.
    using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

    AtomicFileWriter();
    explicit AtomicFileWriter(WriteFunction write);

    // False when the target exists but may not be written, or when any step fails; the old
    // file is then left as it was and no temporary file remains.
    bool Replace(const std::string& path, std::string_view contents) const;

    // The same writability test the store's loader uses: a regular file that opens for
    // reading and writing and carries at least one write permission bit (so root, who
    // opens anything, still honours a read-only file).
    static bool IsWritableFile(const std::string& path);

  private:
    bool WriteAll(int fd, std::string_view contents) const;

    WriteFunction write_;
};

}  // namespace quivlane
