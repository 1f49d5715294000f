#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>

#include "platform/WaveOutDevice.h"

namespace quivlane {

// Wave output on SDL2's audio subsystem in callback mode. Queued buffers are copied out
// on SDL's audio thread, which also reports each finished one.
class SdlWaveOutDevice final : public WaveOutDevice {
  public:
    SdlWaveOutDevice() = default;
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

    // Touched by both threads only under SDL's device lock.
    std::uint32_t device_ = 0;
    Callback callback_ = nullptr;
    void* instance_ = nullptr;
    std::deque<WaveHeader*> queue_;
    std::size_t offset_ = 0;  // bytes of the front buffer already played
    std::uint8_t silence_ = 0;
};

}  // namespace quivlane
