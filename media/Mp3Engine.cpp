#include "media/Mp3Engine.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <new>
#include <system_error>

namespace quivlane {

namespace {

constexpr int kSampleRates[9] = {44100, 48000, 32000, 22050, 24000, 16000, 11025, 12000, 8000};
constexpr int kBitratesMpeg1[16] = {0,   32,  40,  48,  56,  64,  80,  96,
                                    112, 128, 160, 192, 224, 256, 320, 0};
constexpr int kBitratesMpeg2[16] = {0,  8,  16, 24,  32,  40,  48,  56,
                                    64, 80, 96, 112, 128, 144, 160, 0};
constexpr std::size_t kDecodeChunk = 8192;

std::uint32_t BigEndianWord(const std::uint8_t* p) {
    return (static_cast<std::uint32_t>(p[0]) << 24) | (static_cast<std::uint32_t>(p[1]) << 16) |
           (static_cast<std::uint32_t>(p[2]) << 8) | static_cast<std::uint32_t>(p[3]);
}

// Absolute offsets travel through the stream's signed 32-bit seek.
bool SeekTo(FileStream& stream, std::int64_t offset) {
    if (offset < 0 || offset > std::numeric_limits<std::int32_t>::max()) {
        return false;
    }
    return stream.Seek(static_cast<std::int32_t>(offset), FileStream::kFileBegin) != 0;
}

}  // namespace

Mp3Engine::Mp3Engine(WaveOutDevice& device) : waveOut_(device) {}

Mp3Engine::~Mp3Engine() {
    Stop();
    { std::lock_guard wait(threadLock_); }
    if (thread_.joinable()) {
        thread_.join();
    }
    waveOut_.Uninitialize();
}

void Mp3Engine::SetError(const char* text) {
    if (text == nullptr) {
        errorText_.clear();
        return;
    }
    errorText_.assign(text);
    if (errorText_.size() > 1023) {
        errorText_.resize(1023);
    }
}

bool Mp3Engine::IsValidHeaderWord(std::uint32_t h) {
    return (h & 0xFFE00000u) == 0xFFE00000u && ((h >> 19) & 3) != 1 && ((h >> 17) & 3) != 0 &&
           ((h >> 12) & 15) != 15 && ((h >> 10) & 3) != 3 && (h & 3) != 2;
}

int Mp3Engine::ParseHeader(std::uint32_t h, FrameHeader& header) {
    if (!IsValidHeaderWord(h)) {
        return 0;
    }
    FrameHeader f;
    if ((h & (1u << 20)) != 0) {
        f.mpeg25 = 0;
        f.lsf = 1 - static_cast<int>((h >> 19) & 1);
    } else {
        if ((h & (1u << 19)) != 0) {
            return 0;
        }
        f.lsf = 1;
        f.mpeg25 = 1;
    }
    f.protection = 1 - static_cast<int>((h >> 16) & 1);
    f.layer = 4 - static_cast<int>((h >> 17) & 3);
    f.bitrateIndex = static_cast<int>((h >> 12) & 15);
    const int rateBits = static_cast<int>((h >> 10) & 3);
    f.sampleRateIndex = f.mpeg25 != 0 ? rateBits + 6 : rateBits + 3 * f.lsf;
    f.padding = static_cast<int>((h >> 9) & 1);
    f.privateBit = static_cast<int>((h >> 8) & 1);
    f.mode = static_cast<int>((h >> 6) & 3);
    f.modeExtension = static_cast<int>((h >> 4) & 3);
    f.copyright = static_cast<int>((h >> 3) & 1);
    f.home = static_cast<int>((h >> 2) & 1);
    f.emphasis = static_cast<int>(h & 3);
    f.channels = f.mode == 3 ? 1 : 2;
    if (f.layer != 3) {
        return 0;
    }
    const int kbps = f.lsf == 0 ? kBitratesMpeg1[f.bitrateIndex] : kBitratesMpeg2[f.bitrateIndex];
    f.frameSize = kbps * 144000 / (kSampleRates[f.sampleRateIndex] << f.lsf) + f.padding;
    header = f;
    return 1;
}

int Mp3Engine::MulDiv(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c;
    const bool negative = (product < 0) != (divisor < 0);
    const std::int64_t magnitude =
        (std::llabs(product) + std::llabs(divisor) / 2) / std::llabs(divisor);
    const std::int64_t result = negative ? -magnitude : magnitude;
    if (result > std::numeric_limits<int>::max() || result < std::numeric_limits<int>::min()) {
        return -1;
    }
    return static_cast<int>(result);
}

int Mp3Engine::FindFrame() {
    FileStream& stream = *stream_;
    if (static_cast<std::uint64_t>(stream.GetPosition()) + 24 > stream.GetSize()) {
        return 0;
    }
    std::int64_t base = stream.GetPosition();
    std::uint8_t* buffer = searchBuffer_.data();
    for (;;) {
        std::uint32_t got = 0;
        if (stream.Read(buffer, kSearchBufferSize, &got) == 0 || got < 24) {
            return 0;
        }
        for (std::uint32_t i = 0; i + 3 < got; ++i) {
            if (buffer[i] != 0xFF || (buffer[i + 1] & 0xE0) == 0) {
                continue;
            }
            FrameHeader candidate;
            if (ParseHeader(BigEndianWord(buffer + i), candidate) == 0 ||
                candidate.frameSize < 24) {
                continue;
            }
            if ((refChannels_ != -1 && candidate.channels != refChannels_) ||
                (refLayer_ != -1 && candidate.layer != refLayer_) ||
                (refSampleRateIndex_ != -1 && candidate.sampleRateIndex != refSampleRateIndex_)) {
                continue;
            }
            const std::uint64_t next = static_cast<std::uint64_t>(i) + candidate.frameSize;
            std::uint32_t nextWord = 0;
            if (next + 3 < got) {
                nextWord = BigEndianWord(buffer + next);
            } else {
                std::uint8_t bytes[4];
                std::uint32_t read = 0;
                if (!SeekTo(stream, base + static_cast<std::int64_t>(next)) ||
                    stream.Read(bytes, 4, &read) == 0 || read < 4) {
                    return 0;
                }
                nextWord = BigEndianWord(bytes);
            }
            FrameHeader confirmation;
            if (ParseHeader(nextWord, confirmation) != 0 && confirmation.layer == candidate.layer &&
                confirmation.sampleRateIndex == candidate.sampleRateIndex &&
                confirmation.channels == candidate.channels) {
                if (!SeekTo(stream, base + i)) {
                    return 0;
                }
                header_ = candidate;
                return 1;
            }
        }
        // Blocks overlap by three bytes so that a header across the seam is still seen.
        base = base + got - 3;
        if (!SeekTo(stream, base)) {
            return 0;
        }
    }
}

int Mp3Engine::GetID3Version() {
    std::lock_guard lock(streamLock_);
    FileStream& stream = *stream_;
    const std::uint32_t remembered = stream.GetPosition();
    int version = 0;
    char tag[3];
    std::uint32_t read = 0;
    if (SeekTo(stream, startOffset_) && stream.Read(tag, 3, &read) != 0 && read == 3 &&
        std::memcmp(tag, "ID3", 3) == 0) {
        version |= 2;
    }
    const std::int64_t v1 = static_cast<std::int64_t>(startOffset_) + dataLength_ - 128;
    if (SeekTo(stream, v1) && stream.Read(tag, 3, &read) != 0 && read == 3 &&
        std::memcmp(tag, "TAG", 3) == 0) {
        version |= 1;
    }
    SeekTo(stream, remembered);
    return version;
}

int Mp3Engine::OpenMp3File(const std::string& fileName, int lookAheadMs, std::uint32_t start,
                           std::uint32_t length) {
    if (stream_) {
        SetError("You need to close mp3 file before open new one");
        return 0;
    }
    auto stream = std::make_unique<FileStream>();
    if (stream->OpenFile(fileName.c_str(), FileStream::kGenericRead, FileStream::kFileShareRead,
                         FileStream::kOpenExisting, 0) == 0) {
        SetError("Mp3Engine::OpenMp3File\n\nCan't open file");
        return 0;
    }
    stream_ = std::move(stream);
    startOffset_ = start;
    dataLength_ = length;
    if (Open(lookAheadMs) == 0) {
        stream_.reset();
        ClearStreamFacts();
        return 0;
    }
    return 1;
}

int Mp3Engine::Open(int lookAheadMs) {
    try {
        searchBuffer_.assign(kSearchBufferSize, 0);
    } catch (const std::bad_alloc&) {
        SetError("Mp3Engine::_Open\n\nCan't allocate memory for search buffer!");
        return 0;
    }
    refChannels_ = -1;
    refLayer_ = -1;
    refSampleRateIndex_ = -1;
    FileStream& stream = *stream_;
    if (!SeekTo(stream, startOffset_)) {
        SetError("Mp3Engine::_Open\n\nCan't seek !");
        return 0;
    }
    if (FindFrame() == 0) {
        SetError("Mp3Engine::_Open   *** Can't find first valid mp3 frame");
        return 0;
    }
    const std::uint32_t length = dataLength_;
    dataLength_ = length != 0 ? length : stream.GetSize() - startOffset_;
    audioStart_ = stream.GetPosition();
    // A length that ends before the first frame leaves nothing to play rather than wrapping.
    const std::int64_t size = length != 0
                                  ? static_cast<std::int64_t>(startOffset_) + length - audioStart_
                                  : static_cast<std::int64_t>(stream.GetSize()) - audioStart_;
    audioSize_ = static_cast<std::uint32_t>(std::max<std::int64_t>(size, 0));

    refChannels_ = header_.channels;
    refLayer_ = header_.layer;
    refSampleRateIndex_ = header_.sampleRateIndex;
    channels_ = header_.channels;
    sampleRate_ = kSampleRates[header_.sampleRateIndex];
    layer_ = header_.layer;
    mpegVersion_ = header_.mpeg25 != 0 ? 2 : header_.lsf;
    samplesPerFrame_ = header_.lsf != 0 ? 576 : 1152;

    if ((GetID3Version() & 1) != 0) {
        audioSize_ = audioSize_ >= 128 ? audioSize_ - 128 : 0;
    }
    if (!SeekTo(stream, audioStart_)) {
        SetError("Mp3Engine::_Open\n\nCan't seek!!!!!");
        return 0;
    }
    if (lookAheadMs < 200) {
        SetError("Mp3Engine::_Open\n\nBuffer can't be smaller than 200 ms");
        return 0;
    }
    wake_.Clear();

    framesPerBuffer_ = MulDiv(100, sampleRate_, samplesPerFrame_ * 1000);
    bufferMs_ = MulDiv(framesPerBuffer_ * 1000 + 1000, samplesPerFrame_, sampleRate_);
    const int count = MulDiv(lookAheadMs, 1, bufferMs_);
    if (waveOut_.Initialize(kWaveFormatPcm, static_cast<std::uint16_t>(channels_),
                            static_cast<std::uint32_t>(sampleRate_), 16,
                            static_cast<std::uint32_t>(count),
                            static_cast<std::uint32_t>(bufferMs_)) == 0) {
        SetError("Mp3Engine::_Open\n\nCan't initialize wave out");
        return 0;
    }
    try {
        inputBuffer_.assign(static_cast<std::size_t>(framesPerBuffer_) * kMaxFrameBytes, 0);
    } catch (const std::bad_alloc&) {
        // Without this the next open would find the ring still allocated and fail.
        waveOut_.Uninitialize();
        SetError("Mp3Engine::Init\n\nCan't allocate input buffer.");
        return 0;
    }
    return 1;
}

int Mp3Engine::FillBuffer(int frames, std::uint32_t index) {
    if (playing_.load() == 0) {
        return 0;
    }
    std::unique_lock lock(streamLock_);
    FileStream& stream = *stream_;
    const std::int64_t endLimit = static_cast<std::int64_t>(audioStart_) + audioSize_ - 25;
    std::size_t collected = 0;
    int k = 0;
    bool endOfData = false;
    std::uint8_t* input = inputBuffer_.data();
    while (k < frames) {
        if (playing_.load() == 0) {
            return 0;
        }
        std::uint8_t bytes[4];
        std::uint32_t read = 0;
        if (static_cast<std::int64_t>(stream.GetPosition()) > endLimit ||
            stream.Read(bytes, 4, &read) == 0 || read < 4) {
            endOfData = true;
            break;
        }
        FrameHeader frame;
        if (ParseHeader(BigEndianWord(bytes), frame) == 0 || frame.channels != refChannels_ ||
            frame.layer != refLayer_ || frame.sampleRateIndex != refSampleRateIndex_ ||
            frame.frameSize < 24) {
            if (stream.Seek(-3, FileStream::kFileCurrent) == 0 || FindFrame() == 0) {
                // Nothing more can be found: the frames already collected still play.
                stream.Seek(0, FileStream::kFileEnd);
                if (k == 0) {
                    return 0;
                }
                break;
            }
            continue;
        }
        const std::size_t size = static_cast<std::size_t>(frame.frameSize);
        if (collected + size > inputBuffer_.size()) {
            endOfData = true;
            break;
        }
        std::memcpy(input + collected, bytes, 4);
        const auto rest = static_cast<std::uint32_t>(size - 4);
        if (stream.Read(input + collected + 4, rest, &read) == 0 || read < rest) {
            endOfData = true;
            break;
        }
        collected += size;
        ++k;
    }
    if (endOfData) {
        if (k == 0) {
            return 0;
        }
        stream.Seek(0, FileStream::kFileEnd);
    }
    lock.unlock();
    return DecodeInto(index, collected);
}

int Mp3Engine::DecodeInto(std::uint32_t index, std::size_t collected) {
    std::uint8_t* out = waveOut_.GetBufferData(index);
    const std::size_t capacity = waveOut_.GetBufferBytes();
    std::size_t total = 0;
    const std::uint8_t* in = inputBuffer_.data();
    std::size_t inSize = collected;
    for (;;) {
        const std::size_t room = std::min(kDecodeChunk, capacity - total);
        std::size_t produced = 0;
        const Mpg123Decoder::Result result =
            decoder_.Decode(in, inSize, out + total, room, produced);
        in = nullptr;
        inSize = 0;
        if (result == Mpg123Decoder::Result::NeedMore) {
            break;
        }
        if (result == Mpg123Decoder::Result::Error) {
            decoder_.Reset();
            total = 0;
            break;
        }
        total += produced;
        if (playing_.load() == 0) {
            return 0;
        }
    }
    waveOut_.SetBufferLength(index, static_cast<std::uint32_t>(total));
    return 1;
}

bool Mp3Engine::AllBuffersDone() const {
    for (std::uint32_t i = 0; i < waveOut_.GetBufferCount(); ++i) {
        if (!waveOut_.IsBufferDone(i)) {
            return false;
        }
    }
    return true;
}

void Mp3Engine::PlayThread() {
    std::unique_lock threadLock(threadLock_);
    const std::uint32_t count = waveOut_.GetBufferCount();
    decoder_.Reset();
    for (std::uint32_t i = 0; i < count; ++i) {
        waveOut_.MarkBufferDone(i);
        waveOut_.UnprepareBuffer(i);
    }
    // Play waits for this answer: a run without output is a file that cannot be played, not
    // one that plays silence for ever.
    if (waveOut_.OpenAudioOutput(kWaveMapper, &Mp3Engine::CompletionHandler, this,
                                 kCallbackFunction) == 0) {
        SetError(waveOut_.GetErrorText().c_str());
        outputFailed_.store(true);
        playing_.store(0);
        paused_.store(0);
        threadRunning_ = false;
        started_.Set();
        return;
    }
    outputFailed_.store(false);
    started_.Set();
    while (playing_.load() != 0) {
        wake_.Wait();
        if (playing_.load() == 0) {
            break;
        }
        for (std::uint32_t i = 0; i < count && playing_.load() != 0; ++i) {
            if (!waveOut_.IsBufferDone(i)) {
                continue;
            }
            waveOut_.UnprepareBuffer(i);
            if (FillBuffer(framesPerBuffer_, i) != 0) {
                waveOut_.PlayBuffer(i);
            } else if (AllBuffersDone()) {
                Stop();
            }
        }
    }
    // A buffer queued just after a stop request's reset would keep the device from closing.
    waveOut_.Reset();
    for (std::uint32_t i = 0; i < count; ++i) {
        waveOut_.UnprepareBuffer(i);
    }
    waveOut_.Close();
    decoder_.Release();
    threadRunning_ = false;
}

void Mp3Engine::CompletionHandler(unsigned message, void* instance, WaveHeader* /*header*/) {
    if (message == kWomDone) {
        static_cast<Mp3Engine*>(instance)->wake_.Set();
    }
}

int Mp3Engine::Play() {
    if (!stream_) {
        SetError("Mp3Engine::Play\n\nStrean isn't open!");
        return 0;
    }
    if (paused_.load() != 0) {
        return Resume();
    }
    if (playing_.load() != 0) {
        return 0;
    }
    // The flag goes up only once a run that is ending has let go of the lock; raised
    // earlier it would keep that run alive and this call waiting for it.
    bool created = false;
    {
        std::lock_guard lock(threadLock_);
        playing_.store(1);
        paused_.store(0);
        if (!threadRunning_) {
            if (thread_.joinable()) {
                thread_.join();
            }
            try {
                thread_ = std::thread(&Mp3Engine::PlayThread, this);
                threadRunning_ = true;
                created = true;
            } catch (const std::system_error&) {
                playing_.store(0);
                SetError("Mp3Engine::Initialize   *** Can't create thread");
                return 0;
            }
        }
    }
    // Until the new thread holds the thread lock, a Stop could not wait for it.
    if (created) {
        started_.Wait();
        if (outputFailed_.load()) {
            return 0;
        }
    }
    wake_.Set();
    return 1;
}

int Mp3Engine::Stop() {
    if (!stream_) {
        SetError("Mp3Engine::Play\n\nStream isn't open!");
        return 0;
    }
    if (playing_.load() == 0) {
        return 0;
    }
    playing_.store(0);
    paused_.store(0);
    waveOut_.Reset();
    wake_.Set();
    { std::lock_guard wait(threadLock_); }
    std::lock_guard lock(streamLock_);
    SeekTo(*stream_, audioStart_);
    return 1;
}

int Mp3Engine::Pause() {
    if (!stream_) {
        SetError("Mp3Engine::Play\n\nStrean isn't open!");
        return 0;
    }
    waveOut_.Pause();
    paused_.store(1);
    return 1;
}

int Mp3Engine::Resume() {
    if (!stream_) {
        SetError("Mp3Engine::Play\n\nStrean isn't open!");
        return 0;
    }
    waveOut_.Restart();
    paused_.store(0);
    return 1;
}

int Mp3Engine::GetStatus() const {
    if (paused_.load() != 0) {
        return 4;
    }
    return playing_.load() != 0 ? 1 : 2;
}

int Mp3Engine::Close() {
    Stop();
    wake_.Set();
    { std::lock_guard wait(threadLock_); }
    if (thread_.joinable()) {
        thread_.join();
    }
    {
        std::lock_guard lock(streamLock_);
        waveOut_.Uninitialize();
        wake_.Clear();
        inputBuffer_.clear();
        inputBuffer_.shrink_to_fit();
        stream_.reset();
    }
    ClearStreamFacts();
    // A pause on a stopped engine would otherwise report a closed engine as paused.
    paused_.store(0);
    searchBuffer_.clear();
    searchBuffer_.shrink_to_fit();
    return 1;
}

void Mp3Engine::ClearStreamFacts() {
    startOffset_ = 0;
    dataLength_ = 0;
    audioStart_ = 0;
    audioSize_ = 0;
    channels_ = 0;
    sampleRate_ = 0;
    layer_ = 0;
    mpegVersion_ = 0;
    samplesPerFrame_ = 0;
    header_ = FrameHeader{};
    refChannels_ = -1;
    refLayer_ = -1;
    refSampleRateIndex_ = -1;
}

}  // namespace quivlane
