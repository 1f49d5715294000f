#include "media/WaveOut.h"

#include <new>

namespace quivlane {

namespace {

void IgnoreCompletion(unsigned /*message*/, void* /*instance*/, WaveHeader* /*header*/) {}

const char* OpenErrorText(unsigned code) {
    switch (code) {
        case kMmSysErrAllocated:
            return "WaveOut::OpenAudioOutput  *** Specified resource is already allocated";
        case kMmSysErrBadDeviceId:
            return "WaveOut::OpenAudioOutput  *** Specified device identifier is out of range";
        case kMmSysErrNoDriver:
            return "WaveOut::OpenAudioOutput  *** No device driver is present";
        case kMmSysErrNoMem:
            return "WaveOut::OpenAudioOutput  *** Unable to allocate or lock memory";
        case kWavErrBadFormat:
            return "WaveOut::OpenAudioOutput   *** Attempted to open with an unsupported "
                   "waveform-audio format";
        case kWavErrSync:
            return "WaveOut::OpenAudioOutput   *** The device is synchronous but waveOutOpen "
                   "was called without using the WAVE_ALLOWSYNC flag";
        default:
            return "WaveOut::OpenAudioOutput   *** Unknown error";
    }
}

const char* CloseErrorText(unsigned code) {
    switch (code) {
        case kMmSysErrNoDriver:
            return "WaveOut::Close  *** No device driver is present";
        case kMmSysErrInvalHandle:
            return "WaveOut::Close  *** Specified device handle is invalid";
        case kMmSysErrNoMem:
            return "WaveOut::Close   *** Unable to allocate or lock memory";
        case kWavErrStillPlaying:
            return "WaveOut::Close   *** There are still buffers in the queue";
        default:
            return "WaveOut::Close   *** Unknown error";
    }
}

}  // namespace

WaveOut::WaveOut(WaveOutDevice& device) : device_(device) {}

// The ring is the owner's to free (Uninitialize); the members release it anyway.
WaveOut::~WaveOut() = default;

void WaveOut::SetError(const char* text) {
    errorText_ = text == nullptr ? "" : text;
}

int WaveOut::Initialize(std::uint16_t formatTag, std::uint16_t channels,
                        std::uint32_t samplesPerSec, std::uint16_t bitsPerSample,
                        std::uint32_t bufferCount, std::uint32_t bufferLengthMs) {
    if (headers_) {
        SetError("WaveOut::Initialize   *** Already initializet. Uninitialize first.");
        return 0;
    }
    WaveFormat format{};
    format.formatTag = formatTag;
    format.channels = channels;
    format.samplesPerSec = samplesPerSec;
    format.bitsPerSample = bitsPerSample;
    format.extraSize = 0;
    format.avgBytesPerSec =
        static_cast<std::uint32_t>(static_cast<std::uint32_t>(channels) * bitsPerSample) *
        samplesPerSec / 8;
    format.blockAlign = static_cast<std::uint16_t>((channels * bitsPerSample) / 8);

    std::unique_ptr<WaveHeader[]> headers;
    try {
        headers = std::make_unique<WaveHeader[]>(bufferCount);
    } catch (const std::bad_alloc&) {
        SetError("Wave::Initialize *** Can't allocate memory for WAVEHDR structure");
        return 0;
    }
    // 64-bit so that a long buffer at a high rate cannot wrap to a tiny area.
    const std::uint64_t bytes =
        static_cast<std::uint64_t>(bufferLengthMs) * format.avgBytesPerSec / 1000;
    std::vector<std::unique_ptr<std::uint8_t[]>> areas;
    try {
        if (bytes > 0xFFFFFFFFu) {
            throw std::bad_alloc();
        }
        areas.reserve(bufferCount);
        for (std::uint32_t i = 0; i < bufferCount; ++i) {
            areas.push_back(std::make_unique_for_overwrite<std::uint8_t[]>(bytes));
            headers[i].data = areas.back().get();
            headers[i].user = i;
        }
    } catch (const std::bad_alloc&) {
        SetError("Wave::Initialize *** Can't allocate memory for output data buffer");
        return 0;
    }
    format_ = format;
    headers_ = std::move(headers);
    areas_ = std::move(areas);
    bufferBytes_ = static_cast<std::uint32_t>(bytes);
    bufferCount_ = bufferCount;
    bufferLengthMs_ = bufferLengthMs;
    sampleRate_ = samplesPerSec;
    return 1;
}

int WaveOut::Uninitialize() {
    if (!headers_) {
        return 1;
    }
    headers_.reset();
    areas_.clear();
    bufferCount_ = 0;
    bufferBytes_ = 0;
    return 1;
}

int WaveOut::OpenAudioOutput(int deviceId, WaveOutDevice::Callback callback, void* instance,
                             std::uint32_t flags) {
    if (callback == nullptr) {
        callback = &IgnoreCompletion;
    }
    const unsigned result = device_.Open(deviceId, format_, callback, instance, flags);
    if (result != kMmSysErrNoError) {
        SetError(OpenErrorText(result));
        return 0;
    }
    return 1;
}

int WaveOut::PlayBuffer(std::uint32_t i) {
    WaveHeader& header = headers_[i];
    header.flags.store(0);
    header.loops = 0;
    if (device_.Prepare(header) != kMmSysErrNoError) {
        SetError("WaveOut::PlayBuffer   *** Can't prepare data");
        return 0;
    }
    if (device_.Write(header) != kMmSysErrNoError) {
        SetError("WaveOut::PlayBuffer   *** Can't write data");
        return 0;
    }
    return 1;
}

int WaveOut::UnprepareBuffer(std::uint32_t i) {
    return device_.Unprepare(headers_[i]) == kMmSysErrNoError ? 1 : 0;
}

int WaveOut::Reset() {
    device_.Reset();
    return 1;
}

int WaveOut::Pause() {
    device_.Pause();
    return 1;
}

int WaveOut::Restart() {
    device_.Restart();
    return 1;
}

int WaveOut::Close() {
    const unsigned result = device_.Close();
    if (result != kMmSysErrNoError) {
        SetError(CloseErrorText(result));
        return 0;
    }
    return 1;
}

bool WaveOut::IsBufferDone(std::uint32_t i) const {
    return (headers_[i].flags.load() & kWhdrDone) != 0;
}

void WaveOut::MarkBufferDone(std::uint32_t i) {
    headers_[i].flags.fetch_or(kWhdrDone);
}

}  // namespace quivlane
