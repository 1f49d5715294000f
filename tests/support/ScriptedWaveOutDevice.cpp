#include "tests/support/ScriptedWaveOutDevice.h"

#include <chrono>

namespace quivlane::test {

ScriptedWaveOutDevice::ScriptedWaveOutDevice(Mode mode) : mode_(mode) {
    if (mode_ == Mode::Threaded || mode_ == Mode::Paced) {
        worker_ = std::thread(&ScriptedWaveOutDevice::Worker, this);
    }
}

ScriptedWaveOutDevice::~ScriptedWaveOutDevice() {
    {
        std::lock_guard lock(mutex_);
        quitting_ = true;
    }
    changed_.notify_all();
    if (worker_.joinable()) {
        worker_.join();
    }
}

unsigned ScriptedWaveOutDevice::Open(int /*deviceId*/, const WaveFormat& format, Callback callback,
                                     void* instance, std::uint32_t /*flags*/) {
    std::lock_guard lock(mutex_);
    if (openResult_ != kMmSysErrNoError) {
        return openResult_;
    }
    if (open_) {
        return kMmSysErrAllocated;
    }
    open_ = true;
    paused_ = false;
    callback_ = callback;
    instance_ = instance;
    format_ = format;
    ++opens_;
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Prepare(WaveHeader& header) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kMmSysErrInvalHandle;
    }
    if (prepareResult_ != kMmSysErrNoError) {
        return prepareResult_;
    }
    header.flags.fetch_or(kWhdrPrepared);
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Unprepare(WaveHeader& header) {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kMmSysErrInvalHandle;
    }
    if ((header.flags.load() & kWhdrInQueue) != 0) {
        return kWavErrStillPlaying;
    }
    header.flags.fetch_and(~static_cast<std::uint32_t>(kWhdrPrepared));
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Write(WaveHeader& header) {
    Completion completed;
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return kMmSysErrInvalHandle;
        }
        if (writeResult_ != kMmSysErrNoError) {
            return writeResult_;
        }
        if ((header.flags.load() & kWhdrPrepared) == 0) {
            return kWavErrUnprepared;
        }
        header.flags.fetch_and(~static_cast<std::uint32_t>(kWhdrDone));
        header.flags.fetch_or(kWhdrInQueue);
        queue_.push_back(&header);
        if (mode_ == Mode::Immediate && !paused_) {
            completed = PopAndMarkLocked(true);
        }
    }
    if (mode_ == Mode::Threaded || mode_ == Mode::Paced) {
        changed_.notify_all();
    }
    Report(completed);
    return kMmSysErrNoError;
}

ScriptedWaveOutDevice::Completion ScriptedWaveOutDevice::PopAndMarkLocked(bool heard) {
    WaveHeader* header = queue_.front();
    queue_.pop_front();
    if (heard && recording_) {
        heard_.append(reinterpret_cast<const char*>(header->data), header->bufferLength);
        lastUser_ = header->user;
    }
    header->flags.fetch_and(~static_cast<std::uint32_t>(kWhdrInQueue));
    header->flags.fetch_or(kWhdrDone);
    return {header, callback_, instance_};
}

void ScriptedWaveOutDevice::Report(const Completion& completion) {
    if (completion.header != nullptr && completion.callback != nullptr) {
        completion.callback(kWomDone, completion.instance, completion.header);
    }
}

unsigned ScriptedWaveOutDevice::Reset() {
    std::vector<Completion> returned;
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return kMmSysErrInvalHandle;
        }
        ++resets_;
        ++resetEpoch_;
        while (!queue_.empty()) {
            returned.push_back(PopAndMarkLocked(false));
        }
    }
    changed_.notify_all();
    for (const Completion& c : returned) {
        Report(c);
    }
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Pause() {
    std::lock_guard lock(mutex_);
    if (!open_) {
        return kMmSysErrInvalHandle;
    }
    paused_ = true;
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Restart() {
    std::vector<Completion> completed;
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return kMmSysErrInvalHandle;
        }
        paused_ = false;
        if (mode_ == Mode::Immediate) {
            while (!queue_.empty()) {
                completed.push_back(PopAndMarkLocked(true));
            }
        }
    }
    changed_.notify_all();
    for (const Completion& c : completed) {
        Report(c);
    }
    return kMmSysErrNoError;
}

unsigned ScriptedWaveOutDevice::Close() {
    {
        std::lock_guard lock(mutex_);
        if (!open_) {
            return kMmSysErrInvalHandle;
        }
        if (closeResult_ != kMmSysErrNoError) {
            return closeResult_;
        }
        if (!queue_.empty()) {
            return kWavErrStillPlaying;
        }
        open_ = false;
        ++closes_;
    }
    closed_.notify_all();
    return kMmSysErrNoError;
}

bool ScriptedWaveOutDevice::CompleteNext() {
    Completion completed;
    {
        std::lock_guard lock(mutex_);
        if (queue_.empty()) {
            return false;
        }
        completed = PopAndMarkLocked(true);
    }
    Report(completed);
    return true;
}

void ScriptedWaveOutDevice::Worker() {
    std::unique_lock lock(mutex_);
    for (;;) {
        changed_.wait(lock, [this] { return quitting_ || (!queue_.empty() && !paused_); });
        if (quitting_) {
            return;
        }
        if (mode_ == Mode::Paced) {
            WaveHeader* front = queue_.front();
            const std::uint64_t epoch = resetEpoch_;
            const double seconds =
                format_.avgBytesPerSec == 0
                    ? 0.0
                    : static_cast<double>(front->bufferLength) / format_.avgBytesPerSec;
            const auto due = std::chrono::steady_clock::now() +
                             std::chrono::duration_cast<std::chrono::steady_clock::duration>(
                                 std::chrono::duration<double>(seconds));
            // Playing time passes unless a reset or pause intervenes.
            const bool interrupted = changed_.wait_until(lock, due, [&] {
                return quitting_ || paused_ || resetEpoch_ != epoch || queue_.empty() ||
                       queue_.front() != front;
            });
            if (interrupted) {
                continue;
            }
        }
        const Completion completed = PopAndMarkLocked(true);
        lock.unlock();
        Report(completed);
        lock.lock();
    }
}

void ScriptedWaveOutDevice::SetRecording(bool recording) {
    std::lock_guard lock(mutex_);
    recording_ = recording;
}

void ScriptedWaveOutDevice::FailOpenWith(unsigned code) {
    std::lock_guard lock(mutex_);
    openResult_ = code;
}

void ScriptedWaveOutDevice::FailCloseWith(unsigned code) {
    std::lock_guard lock(mutex_);
    closeResult_ = code;
}

void ScriptedWaveOutDevice::FailPrepareWith(unsigned code) {
    std::lock_guard lock(mutex_);
    prepareResult_ = code;
}

void ScriptedWaveOutDevice::FailWriteWith(unsigned code) {
    std::lock_guard lock(mutex_);
    writeResult_ = code;
}

std::string ScriptedWaveOutDevice::Heard() const {
    std::lock_guard lock(mutex_);
    return heard_;
}

std::size_t ScriptedWaveOutDevice::Queued() const {
    std::lock_guard lock(mutex_);
    return queue_.size();
}

int ScriptedWaveOutDevice::Opens() const {
    std::lock_guard lock(mutex_);
    return opens_;
}

int ScriptedWaveOutDevice::Closes() const {
    std::lock_guard lock(mutex_);
    return closes_;
}

int ScriptedWaveOutDevice::Resets() const {
    std::lock_guard lock(mutex_);
    return resets_;
}

bool ScriptedWaveOutDevice::IsOpen() const {
    std::lock_guard lock(mutex_);
    return open_;
}

bool ScriptedWaveOutDevice::IsPaused() const {
    std::lock_guard lock(mutex_);
    return paused_;
}

WaveFormat ScriptedWaveOutDevice::LastFormat() const {
    std::lock_guard lock(mutex_);
    return format_;
}

std::uintptr_t ScriptedWaveOutDevice::LastCompletedUser() const {
    std::lock_guard lock(mutex_);
    return lastUser_;
}

void ScriptedWaveOutDevice::WaitForCloses(int closes) const {
    std::unique_lock lock(mutex_);
    closed_.wait(lock, [&] { return closes_ >= closes; });
}

}  // namespace quivlane::test
