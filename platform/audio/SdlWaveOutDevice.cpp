#include "platform/audio/SdlWaveOutDevice.h"

#include <algorithm>
#include <cstring>

#include "platform/audio/SdlAudioLibrary.h"

namespace quivlane {

SdlWaveOutDevice::SdlWaveOutDevice() = default;

SdlWaveOutDevice::SdlWaveOutDevice(const SdlAudioLibrary& sdl) : sdl_(&sdl) {}

SdlWaveOutDevice::~SdlWaveOutDevice() {
    if (device_ != 0) {
        Reset();
        Close();
    }
}

unsigned SdlWaveOutDevice::Open(int deviceId, const WaveFormat& format, Callback callback,
                                void* instance, std::uint32_t /*flags*/) {
    if (device_ != 0) {
        return kMmSysErrAllocated;
    }
    if (deviceId != kWaveMapper && deviceId != 0) {
        return kMmSysErrBadDeviceId;
    }
    if (format.formatTag != kWaveFormatPcm || format.channels < 1 || format.channels > 2 ||
        (format.bitsPerSample != 8 && format.bitsPerSample != 16) || format.samplesPerSec == 0) {
        return kWavErrBadFormat;
    }
    // No audio driver at all is the host's "no driver" case.
    if (sdl_ == nullptr) {
        sdl_ = &SdlAudioLibrary::Shared();
    }
    if (!sdl_->Loaded() || sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) {
        return kMmSysErrNoDriver;
    }
    SDL_AudioSpec wanted{};
    wanted.freq = static_cast<int>(format.samplesPerSec);
    wanted.format = format.bitsPerSample == 16 ? AUDIO_S16LSB : AUDIO_U8;
    wanted.channels = static_cast<std::uint8_t>(format.channels);
    wanted.samples = 1024;
    wanted.callback = &SdlWaveOutDevice::AudioCallback;
    wanted.userdata = this;
    SDL_AudioSpec obtained{};
    callback_ = callback;
    instance_ = instance;
    queue_.clear();
    offset_ = 0;
    const SDL_AudioDeviceID id = sdl_->OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (id == 0) {
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
        return kMmSysErrNoDriver;
    }
    device_ = id;
    silence_ = obtained.silence;
    sdl_->PauseAudioDevice(device_, 0);
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Prepare(WaveHeader& header) {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    header.flags.fetch_or(kWhdrPrepared);
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Unprepare(WaveHeader& header) {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    if ((header.flags.load() & kWhdrInQueue) != 0) {
        return kWavErrStillPlaying;
    }
    header.flags.fetch_and(~static_cast<std::uint32_t>(kWhdrPrepared));
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Write(WaveHeader& header) {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    if ((header.flags.load() & kWhdrPrepared) == 0) {
        return kWavErrUnprepared;
    }
    sdl_->LockAudioDevice(device_);
    header.flags.fetch_and(~static_cast<std::uint32_t>(kWhdrDone));
    header.flags.fetch_or(kWhdrInQueue);
    queue_.push_back(&header);
    sdl_->UnlockAudioDevice(device_);
    return kMmSysErrNoError;
}

void SdlWaveOutDevice::Finish(WaveHeader& header) {
    header.flags.fetch_and(~static_cast<std::uint32_t>(kWhdrInQueue));
    header.flags.fetch_or(kWhdrDone);
    callback_(kWomDone, instance_, &header);
}

unsigned SdlWaveOutDevice::Reset() {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    sdl_->LockAudioDevice(device_);
    std::deque<WaveHeader*> returned;
    returned.swap(queue_);
    offset_ = 0;
    for (WaveHeader* header : returned) {
        Finish(*header);
    }
    sdl_->UnlockAudioDevice(device_);
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Pause() {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    sdl_->PauseAudioDevice(device_, 1);
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Restart() {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    sdl_->PauseAudioDevice(device_, 0);
    return kMmSysErrNoError;
}

unsigned SdlWaveOutDevice::Close() {
    if (device_ == 0) {
        return kMmSysErrInvalHandle;
    }
    sdl_->LockAudioDevice(device_);
    const bool busy = !queue_.empty();
    sdl_->UnlockAudioDevice(device_);
    if (busy) {
        return kWavErrStillPlaying;
    }
    sdl_->CloseAudioDevice(device_);
    device_ = 0;
    sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    return kMmSysErrNoError;
}

void SdlWaveOutDevice::AudioCallback(void* userdata, std::uint8_t* stream, int length) {
    static_cast<SdlWaveOutDevice*>(userdata)->Fill(stream, static_cast<std::size_t>(length));
}

void SdlWaveOutDevice::Fill(std::uint8_t* stream, std::size_t length) {
    std::size_t written = 0;
    while (written < length && !queue_.empty()) {
        WaveHeader& front = *queue_.front();
        const std::size_t left = front.bufferLength - offset_;
        const std::size_t take = std::min(left, length - written);
        if (take > 0) {
            std::memcpy(stream + written, front.data + offset_, take);
        }
        written += take;
        offset_ += take;
        if (offset_ >= front.bufferLength) {
            queue_.pop_front();
            offset_ = 0;
            Finish(front);
        }
    }
    if (written < length) {
        std::memset(stream + written, silence_, length - written);
    }
}

}  // namespace quivlane
