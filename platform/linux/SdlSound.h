#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/Sound.h"

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

    bool HasDevice() const { return device_ != 0; }
    // Bytes queued and not yet taken by the device.
    std::size_t PendingBytes() const;

    // Interleaved device-format samples of a tone, faded in and out against clicks.
    static std::vector<std::int16_t> MakeTone(int frequencyHz, int durationMs);
    static std::vector<std::int16_t> MakeChime();

  private:
    void Replace(const void* data, std::size_t bytes);
    // Queues the tone, over what is left of the last WAV when that still plays; the bytes
    // queued beyond the tone.
    std::size_t MixOverAlarm(const std::vector<std::int16_t>& tone);

    const SdlAudioLibrary& sdl_;
    bool subsystemUp_ = false;
    std::uint32_t device_ = 0;
    // The last WAV as queued (with any tones mixed in since), to tell what is left of it.
    std::vector<std::int16_t> alarm_;
};

}  // namespace quivlane
