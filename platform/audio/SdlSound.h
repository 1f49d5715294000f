#pragma once

#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/Sound.h"

namespace quivlane {

class SdlAudioLibrary;

// Tones and WAV files on SDL2 audio. All sounds share one queue: a newer WAV (an alarm) cuts
// whatever plays, a newer tone cuts an older tone, but a tone is mixed into a WAV still
// playing. Without an audio device nothing is heard and nothing fails loudly.
class SdlSound final : public Sound {
  public:
    // The device format; WAV files are converted to it.
    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 2;  // signed 16-bit samples, interleaved
    // Silence for this long closes the output; the next sound opens it again.
    static constexpr int kIdleCloseMs = 1000;

    SdlSound();
    // Over the given copy of SDL; one that did not load gives no device.
    explicit SdlSound(const SdlAudioLibrary& sdl);
    ~SdlSound() override;
    SdlSound(const SdlSound&) = delete;
    SdlSound& operator=(const SdlSound&) = delete;

    // Blocks for the tone's length, with or without a device.
    void Beep(int frequencyHz, int durationMs) override;
    // A missing or unreadable file plays a short chime instead and gives false; so does
    // having no device (nothing is heard then).
    bool PlayWaveAsync(const std::string& path) override;

    // The output is open.
    bool HasDevice() const;
    // Bytes queued and not yet taken by the device.
    std::size_t PendingBytes() const;

    // Interleaved device-format samples of a tone, faded in and out against clicks.
    static std::vector<std::int16_t> MakeTone(int frequencyHz, int durationMs);
    static std::vector<std::int16_t> MakeChime();

  private:
    // With mutex_ held.
    bool OpenDevice();
    void CloseDevice();
    void CloseWhenIdle(std::stop_token stop);
    // Opens the output when closed; false without one.
    bool Replace(const void* data, std::size_t bytes);
    // Queues the tone, over what is left of the last WAV when that still plays; the bytes
    // queued beyond the tone.
    std::size_t MixOverAlarm(const std::vector<std::int16_t>& tone);

    const SdlAudioLibrary& sdl_;
    mutable std::mutex mutex_;
    std::condition_variable_any opened_;
    std::uint32_t device_ = 0;
    // The last WAV as queued (with any tones mixed in since), to tell what is left of it.
    std::vector<std::int16_t> alarm_;
    std::jthread watcher_;
};

}  // namespace quivlane
