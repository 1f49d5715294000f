#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quivlane {

// A bounded, seekable byte source over one file. Failures return 0 and leave a text.
class FileStream {
  public:
    // Access, creation and seek values of the host file API, kept so callers read alike.
    static constexpr std::uint32_t kGenericRead = 0x80000000u;
    static constexpr std::uint32_t kGenericWrite = 0x40000000u;
    static constexpr std::uint32_t kFileShareRead = 1;
    static constexpr std::uint32_t kCreateNew = 1;
    static constexpr std::uint32_t kCreateAlways = 2;
    static constexpr std::uint32_t kOpenExisting = 3;
    static constexpr std::uint32_t kOpenAlways = 4;
    static constexpr std::uint32_t kTruncateExisting = 5;
    static constexpr std::uint32_t kFileBegin = 0;
    static constexpr std::uint32_t kFileCurrent = 1;
    static constexpr std::uint32_t kFileEnd = 2;

    FileStream() = default;
    ~FileStream();
    FileStream(const FileStream&) = delete;
    FileStream& operator=(const FileStream&) = delete;

    // Share mode and attributes have no meaning here and are accepted as given.
    int OpenFile(const char* name, std::uint32_t access, std::uint32_t shareMode,
                 std::uint32_t creationDisposition, std::uint32_t attributes);
    int Seek(std::int32_t distance, std::uint32_t method);
    int Read(void* destination, std::uint32_t count, std::uint32_t* bytesRead);
    std::uint32_t GetSize() const { return streamSize_; }
    std::uint32_t GetPosition() const { return position_; }
    const std::string& GetErrorText() const { return errorText_; }

  private:
    // Frames are read a few bytes at a time; one larger read serves many of them.
    static constexpr std::uint32_t kCacheSize = 64 * 1024;

    void SetError(const char* text);
    std::uint32_t ReadAt(std::uint64_t offset, unsigned char* out, std::uint32_t count,
                         bool& failed);
    bool FillCache(std::uint64_t offset);

    int fd_ = -1;
    std::uint32_t fileSize_ = 0;
    std::uint32_t streamSize_ = 0;
    std::uint32_t position_ = 0;
    std::string errorText_;
    int open_ = 0;
    std::vector<unsigned char> cache_;
    std::uint64_t cacheStart_ = 0;
};

}  // namespace quivlane
