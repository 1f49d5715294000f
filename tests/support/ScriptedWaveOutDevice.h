#pragma once

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/WaveOutDevice.h"

namespace quivlane::test {

// A wave-output device for tests. Buffers complete in queue order and their PCM is
// recorded as "heard"; buffers returned by Reset are not.
class ScriptedWaveOutDevice final : public WaveOutDevice {
  public:
    enum class Mode {
        Immediate,  // Write completes the buffer before returning
        Threaded,   // a thread of the device completes buffers as soon as it can
        Paced,      // that thread holds each buffer for its playing time
        Manual,     // buffers wait for CompleteNext
    };

    explicit ScriptedWaveOutDevice(Mode mode = Mode::Immediate);
    ~ScriptedWaveOutDevice() override;
    ScriptedWaveOutDevice(const ScriptedWaveOutDevice&) = delete;
    ScriptedWaveOutDevice& operator=(const ScriptedWaveOutDevice&) = delete;

    unsigned Open(int deviceId, const WaveFormat& format, Callback callback, void* instance,
                  std::uint32_t flags) override;
    unsigned Prepare(WaveHeader& header) override;
    unsigned Unprepare(WaveHeader& header) override;
    unsigned Write(WaveHeader& header) override;
    unsigned Reset() override;
    unsigned Pause() override;
    unsigned Restart() override;
    unsigned Close() override;

    // Off: completed PCM is not kept (long runs in benchmarks).
    void SetRecording(bool recording);

    // Manual mode: completes the oldest queued buffer; false when none is queued.
    bool CompleteNext();

    // Scripted results; kMmSysErrNoError lets the call go through.
    void FailOpenWith(unsigned code);
    void FailCloseWith(unsigned code);
    void FailPrepareWith(unsigned code);
    void FailWriteWith(unsigned code);

    std::string Heard() const;
    std::size_t Queued() const;
    int Opens() const;
    int Closes() const;
    int Resets() const;
    bool IsOpen() const;
    bool IsPaused() const;
    WaveFormat LastFormat() const;
    std::uintptr_t LastCompletedUser() const;
    // Waits until the device has been closed at least `closes` times in all.
    void WaitForCloses(int closes) const;

  private:
    // A finished buffer with the handler it goes to, taken together under the lock.
    struct Completion {
        WaveHeader* header = nullptr;
        Callback callback = nullptr;
        void* instance = nullptr;
    };

    void Worker();
    // Takes the front buffer under the lock; the caller reports it after unlocking.
    Completion PopAndMarkLocked(bool heard);
    static void Report(const Completion& completion);

    const Mode mode_;
    mutable std::mutex mutex_;
    std::condition_variable changed_;  // wakes the device thread
    mutable std::condition_variable closed_;
    std::deque<WaveHeader*> queue_;
    Callback callback_ = nullptr;
    void* instance_ = nullptr;
    WaveFormat format_{};
    bool open_ = false;
    bool paused_ = false;
    bool quitting_ = false;
    std::uint64_t resetEpoch_ = 0;
    unsigned openResult_ = kMmSysErrNoError;
    unsigned closeResult_ = kMmSysErrNoError;
    unsigned prepareResult_ = kMmSysErrNoError;
    unsigned writeResult_ = kMmSysErrNoError;
    bool recording_ = true;
    std::string heard_;
    int opens_ = 0;
    int closes_ = 0;
    int resets_ = 0;
    std::uintptr_t lastUser_ = 0;
    std::thread worker_;
};

}  // namespace quivlane::test
