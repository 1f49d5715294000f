// Frame search, resynchronisation and refill on arbitrary bytes, played to the end on a
// device that completes every buffer at once.
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "media/Mp3Engine.h"
#include "tests/support/ScriptedWaveOutDevice.h"

namespace {

std::string ScratchPath() {
    const char* dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/fuzz_mp3_frames." + std::to_string(getpid()) + ".mp3";
}

// Raw bytes rarely hold two confirmed headers; half of the inputs become Layer III frames
// whose header bits and bodies come from the input, with raw stretches in between.
std::string Shape(const std::uint8_t* data, std::size_t size) {
    if (size < 3 || (data[0] & 1) == 0) {
        return std::string(reinterpret_cast<const char*>(data), size);
    }
    const std::uint32_t versions[3] = {3, 2, 0};
    std::uint32_t header = 0xFFE00000u | versions[data[1] % 3] << 19 | 1u << 17 |
                           ((data[1] >> 2) & 1u) << 16 | (1u + data[2] % 14) << 12 |
                           ((data[2] >> 4) % 3u) << 10 | ((data[1] >> 3) & 3u) << 6;
    quivlane::FrameHeader parsed;
    if (quivlane::Mp3Engine::ParseHeader(header, parsed) == 0 || parsed.frameSize < 24) {
        return {};
    }
    std::string out;
    std::size_t at = 3;
    while (at < size) {
        const std::uint8_t control = data[at++];
        if ((control & 0xE0) == 0xE0 && at < size) {
            // A stretch of junk between frames.
            const std::size_t junk = std::min<std::size_t>(control & 0x1F, size - at);
            out.append(reinterpret_cast<const char*>(data + at), junk);
            at += junk;
            continue;
        }
        const std::uint32_t word = header | ((control & 1u) << 9);
        quivlane::FrameHeader frame;
        quivlane::Mp3Engine::ParseHeader(word, frame);
        for (int shift = 24; shift >= 0; shift -= 8) {
            out.push_back(static_cast<char>((word >> shift) & 0xFF));
        }
        const std::size_t body = static_cast<std::size_t>(frame.frameSize) - 4;
        const std::size_t take = std::min(body, size - at);
        out.append(reinterpret_cast<const char*>(data + at), take);
        out.append(body - take, '\0');
        at += take;
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string path = ScratchPath();
    const std::string bytes = Shape(data, size);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) {
        return 0;
    }
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);

    quivlane::test::ScriptedWaveOutDevice device(
        quivlane::test::ScriptedWaveOutDevice::Mode::Immediate);
    quivlane::Mp3Engine engine(device);
    if (engine.OpenMp3File(path, 200 + (size % 4) * 1000, 0, 0) == 1 && engine.Play() == 1) {
        device.WaitForCloses(1);
        engine.Close();
    }
    return 0;
}
