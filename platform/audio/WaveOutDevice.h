#pragma once

#include <atomic>
#include <cstdint>

namespace quivlane {

// Result codes of the wave-output calls, with the host audio API's values.
enum WaveResult : unsigned {
    kMmSysErrNoError = 0,
    kMmSysErrError = 1,
    kMmSysErrBadDeviceId = 2,
    kMmSysErrAllocated = 4,
    kMmSysErrInvalHandle = 5,
    kMmSysErrNoDriver = 6,
    kMmSysErrNoMem = 7,
    kMmSysErrInvalParam = 11,
    kWavErrBadFormat = 32,
    kWavErrStillPlaying = 33,
    kWavErrUnprepared = 34,
    kWavErrSync = 35,
};

// Header flags; the program itself only reads and sets the done bit.
enum WaveHeaderFlag : std::uint32_t {
    kWhdrDone = 0x01,
    kWhdrPrepared = 0x02,
    kWhdrInQueue = 0x10,
};

// Completion messages.
enum WaveMessage : unsigned {
    kWomOpen = 0x3BB,
    kWomClose = 0x3BC,
    kWomDone = 0x3BD,
};

inline constexpr int kWaveMapper = -1;
inline constexpr std::uint32_t kCallbackFunction = 0x30000;
inline constexpr std::uint16_t kWaveFormatPcm = 1;

struct WaveFormat {
    std::uint16_t formatTag = 0;
    std::uint16_t channels = 0;
    std::uint32_t samplesPerSec = 0;
    std::uint32_t avgBytesPerSec = 0;
    std::uint16_t blockAlign = 0;
    std::uint16_t bitsPerSample = 0;
    std::uint16_t extraSize = 0;
};

// One ring buffer as the device sees it. The flags are written by the audio thread and
// read by the play thread, hence atomic.
struct WaveHeader {
    std::uint8_t* data = nullptr;
    std::uint32_t bufferLength = 0;
    std::uintptr_t user = 0;
    std::atomic<std::uint32_t> flags{0};
    std::uint32_t loops = 0;
};

// The platform's wave output: one device open at a time. Buffers play strictly in the
// order they were written; each finished buffer gets the done bit and exactly one
// kWomDone call on the device's own thread. Reset returns every queued buffer done;
// Pause and Restart keep queued data.
class WaveOutDevice {
  public:
    using Callback = void (*)(unsigned message, void* instance, WaveHeader* header);

    virtual ~WaveOutDevice() = default;
    virtual unsigned Open(int deviceId, const WaveFormat& format, Callback callback, void* instance,
                          std::uint32_t flags) = 0;
    virtual unsigned Prepare(WaveHeader& header) = 0;
    // kWavErrStillPlaying while the buffer is queued.
    virtual unsigned Unprepare(WaveHeader& header) = 0;
    // kWavErrUnprepared unless prepared.
    virtual unsigned Write(WaveHeader& header) = 0;
    virtual unsigned Reset() = 0;
    virtual unsigned Pause() = 0;
    virtual unsigned Restart() = 0;
    // kWavErrStillPlaying while buffers are queued.
    virtual unsigned Close() = 0;
};

}  // namespace quivlane
