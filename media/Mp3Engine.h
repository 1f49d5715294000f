#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "media/AutoResetEvent.h"
#include "media/FileStream.h"
#include "media/Mpg123Decoder.h"
#include "media/WaveOut.h"
#include "platform/audio/WaveOutDevice.h"

namespace quivlane {

// Fields of one MPEG audio frame header.
struct FrameHeader {
    int channels = 0;
    int lsf = 0;
    int mpeg25 = 0;
    int layer = 0;
    int protection = 0;
    int sampleRateIndex = 0;  // 0..8
    int bitrateIndex = 0;
    int padding = 0;
    int privateBit = 0;
    int mode = 0;
    int modeExtension = 0;
    int copyright = 0;
    int home = 0;
    int emphasis = 0;
    int frameSize = 0;
};

// Plays one MP3 (MPEG-1/2/2.5 Layer III) file at a time: a worker thread reads whole
// frames, decodes them and keeps about the requested look-ahead queued on the device.
class Mp3Engine {
  public:
    static constexpr int kSearchBufferSize = 8192;
    static constexpr int kMaxFrameBytes = 5761;

    explicit Mp3Engine(WaveOutDevice& device);
    ~Mp3Engine();
    Mp3Engine(const Mp3Engine&) = delete;
    Mp3Engine& operator=(const Mp3Engine&) = delete;

    int OpenMp3File(const std::string& fileName, int lookAheadMs, std::uint32_t start,
                    std::uint32_t length);
    int Play();
    int Pause();
    int Resume();
    int Stop();
    // 1 playing, 2 stopped or closed, 4 paused.
    int GetStatus() const;
    // The last run could not open the sound output (Play returned 0 and the engine stopped).
    bool OutputFailed() const { return outputFailed_.load(); }
    int Close();

    // 1 for a Layer III header (fills header), 0 for anything else.
    static int ParseHeader(std::uint32_t word, FrameHeader& header);
    static bool IsValidHeaderWord(std::uint32_t word);
    // round(a * b / c) like the host's MulDiv; -1 when c is 0.
    static int MulDiv(int a, int b, int c);

    const std::string& GetErrorText() const { return errorText_; }
    std::uint32_t GetAudioStart() const { return audioStart_; }
    std::uint32_t GetAudioSize() const { return audioSize_; }
    std::uint32_t GetDataLength() const { return dataLength_; }
    int GetChannels() const { return channels_; }
    int GetSampleRate() const { return sampleRate_; }
    int GetMpegVersion() const { return mpegVersion_; }
    int GetLayer() const { return layer_; }
    int GetSamplesPerFrame() const { return samplesPerFrame_; }
    int GetFramesPerBuffer() const { return framesPerBuffer_; }
    int GetBufferMs() const { return bufferMs_; }
    std::uint32_t GetBufferCount() const { return waveOut_.GetBufferCount(); }
    std::uint32_t GetBufferBytes() const { return waveOut_.GetBufferBytes(); }

  private:
    int Open(int lookAheadMs);
    int FindFrame();
    int GetID3Version();
    int FillBuffer(int frames, std::uint32_t index);
    int DecodeInto(std::uint32_t index, std::size_t collected);
    void PlayThread();
    bool AllBuffersDone() const;
    void SetError(const char* text);
    void ClearStreamFacts();
    static void CompletionHandler(unsigned message, void* instance, WaveHeader* header);

    WaveOut waveOut_;
    Mpg123Decoder decoder_;
    std::unique_ptr<FileStream> stream_;
    std::string errorText_;

    std::uint32_t startOffset_ = 0;
    std::uint32_t dataLength_ = 0;
    std::uint32_t audioStart_ = 0;
    std::uint32_t audioSize_ = 0;
    int channels_ = 0;
    int sampleRate_ = 0;
    int layer_ = 0;
    int mpegVersion_ = 0;
    int samplesPerFrame_ = 0;

    int refChannels_ = -1;
    int refLayer_ = -1;
    int refSampleRateIndex_ = -1;
    FrameHeader header_{};

    int framesPerBuffer_ = 0;
    int bufferMs_ = 0;
    std::vector<std::uint8_t> searchBuffer_;
    std::vector<std::uint8_t> inputBuffer_;

    AutoResetEvent wake_;
    AutoResetEvent started_;
    // Re-entrant: PlayThread holds it for its whole life and may call Stop itself.
    std::recursive_mutex threadLock_;
    std::recursive_mutex streamLock_;
    std::thread thread_;
    bool threadRunning_ = false;  // guarded by threadLock_

    std::atomic<int> playing_{0};
    std::atomic<int> paused_{0};
    std::atomic<bool> outputFailed_{false};
};

}  // namespace quivlane
