#include "platform/audio/SdlAudioLibrary.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <string>
#include <thread>
#include <vector>

#include "platform/audio/SdlSound.h"
#include "platform/audio/SdlWaveOutDevice.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

constexpr const char* kNoSuchLibrary = "libquivlane-no-such-library.so.0";

void ExpectNoFunctions(const SdlAudioLibrary& sdl) {
    EXPECT_FALSE(sdl.Loaded());
    EXPECT_EQ(sdl.InitSubSystem, nullptr);
    EXPECT_EQ(sdl.OpenAudioDevice, nullptr);
    EXPECT_EQ(sdl.QueueAudio, nullptr);
    EXPECT_EQ(sdl.LoadWAV_RW, nullptr);
    EXPECT_EQ(sdl.ConvertAudio, nullptr);
    SDL_AudioSpec wavFormat{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    EXPECT_EQ(sdl.LoadWav("/dev/null", &wavFormat, &buffer, &length), nullptr);
}

TEST(SdlAudioLibraryTest, EveryThreadGetsTheOneLoadedCopy) {
    std::array<const SdlAudioLibrary*, 4> seen{};
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i) {
        threads.emplace_back([&seen, i] { seen[i] = &SdlAudioLibrary::Shared(); });
    }
    for (auto& t : threads) {
        t.join();
    }
    for (const SdlAudioLibrary* library : seen) {
        EXPECT_EQ(library, &SdlAudioLibrary::Shared());
    }
    const SdlAudioLibrary& sdl = SdlAudioLibrary::Shared();
    ASSERT_TRUE(sdl.Loaded());
    EXPECT_NE(sdl.InitSubSystem, nullptr);
    EXPECT_NE(sdl.QuitSubSystem, nullptr);
    EXPECT_NE(sdl.OpenAudioDevice, nullptr);
    EXPECT_NE(sdl.CloseAudioDevice, nullptr);
    EXPECT_NE(sdl.PauseAudioDevice, nullptr);
    EXPECT_NE(sdl.LockAudioDevice, nullptr);
    EXPECT_NE(sdl.UnlockAudioDevice, nullptr);
    EXPECT_NE(sdl.QueueAudio, nullptr);
    EXPECT_NE(sdl.ClearQueuedAudio, nullptr);
    EXPECT_NE(sdl.GetQueuedAudioSize, nullptr);
    EXPECT_NE(sdl.RWFromFile, nullptr);
    EXPECT_NE(sdl.LoadWAV_RW, nullptr);
    EXPECT_NE(sdl.FreeWAV, nullptr);
    EXPECT_NE(sdl.BuildAudioCVT, nullptr);
    EXPECT_NE(sdl.ConvertAudio, nullptr);
}

TEST(SdlAudioLibraryTest, AMissingLibraryOrOneWithoutTheFunctionsGivesNone) {
    SdlAudioLibrary missing(kNoSuchLibrary);
    ExpectNoFunctions(missing);
    // Loads fine, but is not SDL.
    SdlAudioLibrary notSdl("libm.so.6");
    ExpectNoFunctions(notSdl);
}

TEST(SdlAudioLibraryTest, AMissingFileFailsToLoadThroughTheLibraryToo) {
    const SdlAudioLibrary& sdl = SdlAudioLibrary::Shared();
    SDL_AudioSpec wavFormat{};
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    EXPECT_EQ(sdl.LoadWav("/nonexistent/alarme.wav", &wavFormat, &buffer, &length), nullptr);
    EXPECT_EQ(buffer, nullptr);
}

TEST(SdlAudioLibraryTest, WithoutSdlTheSoundIsSilentAndSaysSo) {
    test::TempDir dir;
    // A valid, tiny WAV: 16-bit mono, four silent frames.
    const std::string wav = std::string("RIFF", 4) + std::string("\x2c\x00\x00\x00", 4) +
                            "WAVEfmt " + std::string("\x10\x00\x00\x00\x01\x00\x01\x00", 8) +
                            std::string("\x44\xac\x00\x00\x88\x58\x01\x00\x02\x00\x10\x00", 12) +
                            "data" + std::string("\x08\x00\x00\x00", 4) + std::string(8, '\0');
    dir.Write("alarme.wav", wav);

    SdlAudioLibrary missing(kNoSuchLibrary);
    SdlSound sound(missing);
    EXPECT_FALSE(sound.HasDevice());
    EXPECT_FALSE(sound.PlayWaveAsync(dir.File("alarme.wav")));
    EXPECT_FALSE(sound.PlayWaveAsync(""));
    sound.Beep(440, 5);
    EXPECT_EQ(sound.PendingBytes(), 0u);
}

TEST(SdlAudioLibraryTest, WithoutSdlTheWaveDeviceIsTheNoDriverCase) {
    SdlAudioLibrary missing(kNoSuchLibrary);
    SdlWaveOutDevice device(missing);
    WaveFormat format{kWaveFormatPcm, 2, 44100, 44100 * 4, 4, 16, 0};
    auto callback = [](unsigned, void*, WaveHeader*) {};
    // A bad format is still reported as such before any driver is looked for.
    WaveFormat bad = format;
    bad.bitsPerSample = 12;
    EXPECT_EQ(device.Open(kWaveMapper, bad, callback, nullptr, 0), kWavErrBadFormat);
    EXPECT_EQ(device.Open(kWaveMapper, format, callback, nullptr, 0), kMmSysErrNoDriver);
    WaveHeader header;
    EXPECT_EQ(device.Prepare(header), kMmSysErrInvalHandle);
    EXPECT_EQ(device.Write(header), kMmSysErrInvalHandle);
    EXPECT_EQ(device.Close(), kMmSysErrInvalHandle);
}

}  // namespace
}  // namespace quivlane
