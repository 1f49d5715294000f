#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "platform/audio/WaveOutDevice.h"

namespace quivlane {

class SdlAudioLibrary;

// Wave output on SDL2's audio subsystem in callback mode. Queued buffers are copied out
// on SDL's audio thread, which also reports each finished one.
class SdlWaveOutDevice final : public WaveOutDevice {
  public:
    SdlWaveOutDevice();
    // Over the given copy of SDL; one that did not load is the host's "no driver". The
    // default takes the process's copy at the first Open, so SDL loads only then.
    explicit SdlWaveOutDevice(const SdlAudioLibrary& sdl);
    ~SdlWaveOutDevice() override;
    SdlWaveOutDevice(const SdlWaveOutDevice&) = delete;
    SdlWaveOutDevice& operator=(const SdlWaveOutDevice&) = delete;

    unsigned Open(int deviceId, const WaveFormat& format, Callback callback, void* instance,
                  std::uint32_t flags) override;
    unsigned Prepare(WaveHeader& header) override;
    unsigned Unprepare(WaveHeader& header) override;
    unsigned Write(WaveHeader& header) override;
    unsigned Reset() override;
    unsigned Pause() override;
    unsigned Restart() override;
    unsigned Close() override;

  private:
    static void AudioCallback(void* userdata, std::uint8_t* stream, int length);
    void Fill(std::uint8_t* stream, std::size_t length);
    void Finish(WaveHeader& header);

    const SdlAudioLibrary* sdl_ = nullptr;
    // Touched by both threads only under SDL's device lock.
    std::uint32_t device_ = 0;
    Callback callback_ = nullptr;
    void* instance_ = nullptr;
    std::deque<WaveHeader*> queue_;
    std::size_t offset_ = 0;  // bytes of the front buffer already played
    std::uint8_t silence_ = 0;
};

}  // namespace quivlane
