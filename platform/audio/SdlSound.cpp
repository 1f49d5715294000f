#include "platform/audio/SdlSound.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <numbers>
#include <thread>

#include "platform/audio/SdlAudioLibrary.h"

namespace quivlane {

namespace {

constexpr double kToneLevel = 0.25 * 32767.0;

struct WavFree {
    decltype(&SDL_FreeWAV) free;
    void operator()(Uint8* buffer) const { free(buffer); }
};

// Appends a faded sine tone to `out` (interleaved, every channel alike).
void AppendTone(std::vector<std::int16_t>& out, double frequencyHz, int durationMs, double level,
                bool ring) {
    const long frames = static_cast<long>(SdlSound::kFrequency) * durationMs / 1000;
    // A few milliseconds of ramp keep the start and end from clicking.
    const long fade =
        std::max(1L, std::min(static_cast<long>(SdlSound::kFrequency) * 5 / 1000, frames / 4));
    out.reserve(out.size() + static_cast<std::size_t>(frames) * SdlSound::kChannels);
    for (long i = 0; i < frames; ++i) {
        double envelope = 1.0;
        if (i < fade) {
            envelope = static_cast<double>(i) / static_cast<double>(fade);
        } else if (i >= frames - fade) {
            envelope = static_cast<double>(frames - 1 - i) / static_cast<double>(fade);
        }
        if (ring) {
            envelope *= std::exp(-3.0 * static_cast<double>(i) / static_cast<double>(frames));
        }
        double phase = 2.0 * std::numbers::pi * frequencyHz * static_cast<double>(i) /
                       static_cast<double>(SdlSound::kFrequency);
        auto sample = static_cast<std::int16_t>(std::lround(level * envelope * std::sin(phase)));
        for (int c = 0; c < SdlSound::kChannels; ++c) {
            out.push_back(sample);
        }
    }
}

}  // namespace

SdlSound::SdlSound() : SdlSound(SdlAudioLibrary::Shared()) {}

SdlSound::SdlSound(const SdlAudioLibrary& sdl) : sdl_(sdl) {
    {
        std::lock_guard lock(mutex_);
        OpenDevice();
    }
    watcher_ = std::jthread([this](std::stop_token stop) { CloseWhenIdle(stop); });
}

SdlSound::~SdlSound() {
    watcher_.request_stop();
    watcher_.join();
    std::lock_guard lock(mutex_);
    CloseDevice();
}

bool SdlSound::OpenDevice() {
    if (device_ != 0) {
        return true;
    }
    if (!sdl_.Loaded() || sdl_.InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return false;
    }
    SDL_AudioSpec want{};
    want.freq = kFrequency;
    want.format = AUDIO_S16SYS;
    want.channels = kChannels;
    want.samples = 512;
    want.callback = nullptr;  // queued audio: clearing the queue is how a newer sound cuts in
    SDL_AudioSpec have{};
    // No changes allowed: SDL converts for the hardware, so our format is fixed.
    device_ = sdl_.OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
        sdl_.QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    sdl_.PauseAudioDevice(device_, 0);
    opened_.notify_all();
    return true;
}

void SdlSound::CloseDevice() {
    if (device_ == 0) {
        return;
    }
    sdl_.CloseAudioDevice(device_);
    sdl_.QuitSubSystem(SDL_INIT_AUDIO);
    device_ = 0;
    alarm_.clear();
}

void SdlSound::CloseWhenIdle(std::stop_token stop) {
    // An open output keeps a stream on the sound server and its thread awake: it is let go
    // once nothing has played for a while, and the next sound opens it again.
    std::unique_lock lock(mutex_);
    bool idle = false;
    std::chrono::steady_clock::time_point idleSince{};
    while (!stop.stop_requested()) {
        if (device_ == 0) {
            idle = false;
            opened_.wait(lock, stop, [this] { return device_ != 0; });
            continue;
        }
        opened_.wait_for(lock, stop, std::chrono::milliseconds(50), [] { return false; });
        if (device_ == 0 || sdl_.GetQueuedAudioSize(device_) > 0) {
            idle = false;
            continue;
        }
        const auto now = std::chrono::steady_clock::now();
        if (!idle) {
            idle = true;
            idleSince = now;
        } else if (now - idleSince >= std::chrono::milliseconds(kIdleCloseMs)) {
            CloseDevice();
        }
    }
}

bool SdlSound::HasDevice() const {
    std::lock_guard lock(mutex_);
    return device_ != 0;
}

std::size_t SdlSound::PendingBytes() const {
    std::lock_guard lock(mutex_);
    return device_ != 0 ? sdl_.GetQueuedAudioSize(device_) : 0;
}

bool SdlSound::Replace(const void* data, std::size_t bytes) {
    std::lock_guard lock(mutex_);
    if (!OpenDevice()) {
        return false;
    }
    // Under the device lock the audio thread cannot take a piece of the old sound between
    // the clear and the queue.
    sdl_.LockAudioDevice(device_);
    sdl_.ClearQueuedAudio(device_);
    if (bytes > 0) {
        sdl_.QueueAudio(device_, data, static_cast<Uint32>(bytes));
    }
    sdl_.UnlockAudioDevice(device_);
    return true;
}

std::vector<std::int16_t> SdlSound::MakeTone(int frequencyHz, int durationMs) {
    std::vector<std::int16_t> samples;
    if (frequencyHz > 0 && durationMs > 0) {
        AppendTone(samples, frequencyHz, durationMs, kToneLevel, false);
    }
    return samples;
}

std::vector<std::int16_t> SdlSound::MakeChime() {
    // Two falling, ringing notes: plainly "something", and not mistaken for a beep.
    std::vector<std::int16_t> samples;
    AppendTone(samples, 1318.5, 140, kToneLevel, true);
    AppendTone(samples, 987.8, 260, kToneLevel, true);
    return samples;
}

std::size_t SdlSound::MixOverAlarm(const std::vector<std::int16_t>& tone) {
    std::lock_guard lock(mutex_);
    if (!OpenDevice()) {
        return 0;
    }
    sdl_.LockAudioDevice(device_);
    const std::size_t pending = sdl_.GetQueuedAudioSize(device_);
    const std::size_t frameBytes = sizeof(std::int16_t) * kChannels;
    const std::size_t alarmBytes = alarm_.size() * sizeof(std::int16_t);
    std::vector<std::int16_t> mixed;
    if (pending > 0 && pending <= alarmBytes) {
        // What the device has not taken yet, with the tone laid over its start.
        std::size_t taken = alarmBytes - pending;
        taken -= taken % frameBytes;
        mixed.assign(alarm_.begin() + static_cast<std::ptrdiff_t>(taken / sizeof(std::int16_t)),
                     alarm_.end());
        if (mixed.size() < tone.size()) {
            mixed.resize(tone.size(), 0);
        }
        for (std::size_t i = 0; i < tone.size(); ++i) {
            const int sum = static_cast<int>(mixed[i]) + static_cast<int>(tone[i]);
            mixed[i] = static_cast<std::int16_t>(std::clamp(sum, -32768, 32767));
        }
        alarm_ = mixed;
    } else {
        alarm_.clear();
        mixed = tone;
    }
    sdl_.ClearQueuedAudio(device_);
    if (!mixed.empty()) {
        sdl_.QueueAudio(device_, mixed.data(),
                        static_cast<Uint32>(mixed.size() * sizeof(std::int16_t)));
    }
    sdl_.UnlockAudioDevice(device_);
    return (mixed.size() - tone.size()) * sizeof(std::int16_t);
}

void SdlSound::Beep(int frequencyHz, int durationMs) {
    if (durationMs <= 0) {
        return;
    }
    auto start = std::chrono::steady_clock::now();
    // A ringing alarm goes on under the tone: a click must not silence it.
    const std::size_t after = MixOverAlarm(MakeTone(frequencyHz, durationMs));
    std::this_thread::sleep_until(start + std::chrono::milliseconds(durationMs));
    // The device may have started late; let the tone run out, but never hang on a device
    // that stopped taking data.
    auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(250);
    while (PendingBytes() > after && std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
}

bool SdlSound::PlayWaveAsync(const std::string& path) {
    auto chime = [this] {
        std::vector<std::int16_t> samples = MakeChime();
        if (Replace(samples.data(), samples.size() * sizeof(std::int16_t))) {
            std::lock_guard lock(mutex_);
            alarm_ = std::move(samples);
        }
        return false;
    };
    SDL_AudioSpec wavFormat{};
    Uint8* raw = nullptr;
    Uint32 length = 0;
    if (path.empty() || sdl_.LoadWav(path.c_str(), &wavFormat, &raw, &length) == nullptr) {
        return chime();
    }
    std::unique_ptr<Uint8, WavFree> wav(raw, WavFree{sdl_.FreeWAV});
    SDL_AudioCVT cvt{};
    if (sdl_.BuildAudioCVT(&cvt, wavFormat.format, wavFormat.channels, wavFormat.freq, AUDIO_S16SYS,
                           kChannels, kFrequency) < 0) {
        return chime();
    }
    const auto room =
        static_cast<std::uint64_t>(length) * static_cast<std::uint64_t>(std::max(1, cvt.len_mult));
    // SDL's converter counts in int; a file too long for it is treated as unplayable.
    if (room > static_cast<std::uint64_t>(std::numeric_limits<int>::max())) {
        return chime();
    }
    std::vector<Uint8> converted(static_cast<std::size_t>(room));
    std::memcpy(converted.data(), wav.get(), length);
    std::size_t bytes = length;
    if (cvt.needed != 0) {
        cvt.buf = converted.data();
        cvt.len = static_cast<int>(length);
        if (sdl_.ConvertAudio(&cvt) != 0) {
            return chime();
        }
        bytes = static_cast<std::size_t>(cvt.len_cvt);
    }
    // A whole number of frames, whatever the file claimed.
    bytes -= bytes % (sizeof(std::int16_t) * kChannels);
    if (!Replace(converted.data(), bytes)) {
        return false;
    }
    std::lock_guard lock(mutex_);
    alarm_.resize(bytes / sizeof(std::int16_t));
    std::memcpy(alarm_.data(), converted.data(), bytes);
    return true;
}

}  // namespace quivlane
