#pragma once

#include <sys/stat.h>
#include <sys/types.h>

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace quivlane {

// Why a save did not happen, in words the editor can put in front of the user.
enum class SaveFailure {
    None,
    NoPath,        // no file name was set
    ReadOnlyFile,  // the file exists but may not be written
    NotAFile,      // a folder or a device stands at that name
    CannotCreate,  // the file is missing and its folder does not take a new one
    WriteFailed,   // writing or syncing failed (disk full, I/O error)
    Locked,        // another program kept the file busy
    Malformed,     // the file is not well-formed XML, so it is left alone
    InvalidValue,  // the name or the text cannot be held by XML
};

struct SaveOutcome {
    SaveFailure failure = SaveFailure::None;
    int error = 0;     // errno of the step that failed
    std::string path;  // the file or folder concerned
    bool Ok() const { return failure == SaveFailure::None; }
};

// Replaces a file's whole contents so that readers see either the old file or the new one,
// never a truncated mix: the data goes to an unnamed temporary file in the same folder, is
// synced, then takes the old name. The old file's permissions, owner and group carry over;
// when the folder takes no new file, or the owner or group could not be given to the new one,
// the file is rewritten in place instead (space reserved first, then synced), so that nobody
// loses access to it. Symbolic links are followed and kept.
class AtomicFileWriter {
  public:
    // Same contract as ::write; lets tests simulate a full disk.
    using WriteFunction = std::function<ssize_t(int fd, const void* data, std::size_t size)>;

    AtomicFileWriter();
    explicit AtomicFileWriter(WriteFunction write);

    // The caller should hold the file's lock (FileLock): temporaries left by a writer that was
    // killed are removed on the way, which is only safe when no one else is saving.
    SaveOutcome Write(const std::string& path, std::string_view contents) const;
    // Write(...).Ok(); on failure the old file is left as it was and no temporary remains.
    bool Replace(const std::string& path, std::string_view contents) const;

    // The same writability test the store's loader uses: a regular file that opens for
    // reading and writing and carries at least one write permission bit (so root, who
    // opens anything, still honours a read-only file).
    static bool IsWritableFile(const std::string& path);

    // The path a write lands on: symbolic links followed to their last target, which may not
    // exist yet (a dangling link's target is created, as a plain write would do).
    static std::string ResolveLinks(const std::string& path);

  private:
    enum class Attempt { Done, InPlace, Named, Failed };
    Attempt WriteBeside(const std::string& target, const struct stat* old,
                        std::string_view contents, bool tryUnnamed, SaveOutcome& outcome) const;
    SaveOutcome WriteInPlace(const std::string& target, std::string_view contents) const;
    bool WriteAll(int fd, std::string_view contents) const;

    WriteFunction write_;
};

}  // namespace quivlane
