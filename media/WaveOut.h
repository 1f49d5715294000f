#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/audio/WaveOutDevice.h"

namespace quivlane {

// A ring of PCM buffers queued to a wave-output device. The ring outlives device
// open/close cycles; it is freed only by Uninitialize.
class WaveOut {
  public:
    explicit WaveOut(WaveOutDevice& device);
    ~WaveOut();
    WaveOut(const WaveOut&) = delete;
    WaveOut& operator=(const WaveOut&) = delete;

    int Initialize(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t samplesPerSec,
                   std::uint16_t bitsPerSample, std::uint32_t bufferCount,
                   std::uint32_t bufferLengthMs);
    int Uninitialize();
    int OpenAudioOutput(int deviceId, WaveOutDevice::Callback callback, void* instance,
                        std::uint32_t flags);
    int PlayBuffer(std::uint32_t i);
    int UnprepareBuffer(std::uint32_t i);
    int Reset();
    int Pause();
    int Restart();
    int Close();

    std::uint8_t* GetBufferData(std::uint32_t i) { return headers_[i].data; }
    void SetBufferLength(std::uint32_t i, std::uint32_t bytes) { headers_[i].bufferLength = bytes; }
    std::uint32_t GetBufferLength(std::uint32_t i) const { return headers_[i].bufferLength; }
    bool IsBufferDone(std::uint32_t i) const;
    void MarkBufferDone(std::uint32_t i);
    std::uint32_t GetBufferCount() const { return bufferCount_; }

    std::uint32_t GetBufferBytes() const { return bufferBytes_; }
    std::uint32_t GetBufferLengthMs() const { return bufferLengthMs_; }
    std::uint32_t GetSampleRate() const { return sampleRate_; }
    const WaveFormat& GetFormat() const { return format_; }
    bool IsInitialized() const { return headers_ != nullptr; }
    const std::string& GetErrorText() const { return errorText_; }

  private:
    void SetError(const char* text);

    WaveOutDevice& device_;
    std::unique_ptr<WaveHeader[]> headers_;
    std::vector<std::unique_ptr<std::uint8_t[]>> areas_;
    WaveFormat format_{};
    std::uint32_t bufferCount_ = 0;
    std::uint32_t bufferLengthMs_ = 0;
    std::uint32_t sampleRate_ = 0;
    std::uint32_t bufferBytes_ = 0;
    std::string errorText_;
};

}  // namespace quivlane
