#include "platform/audio/SdlSound.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "tests/support/StandInCommands.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::PollUntil;
using test::ReadFile;
using test::TempDir;

class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) {
            saved_ = old;
        }
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (saved_) {
            setenv(name_, saved_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> saved_;
};

// A RIFF/WAVE file of 16-bit PCM.
std::string MakeWav(int rate, int channels, const std::vector<std::int16_t>& samples) {
    auto u32 = [](std::uint32_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8),
                           static_cast<char>(v >> 16), static_cast<char>(v >> 24)};
    };
    auto u16 = [](std::uint16_t v) {
        return std::string{static_cast<char>(v), static_cast<char>(v >> 8)};
    };
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    std::string wav = "RIFF" + u32(36 + dataBytes) + "WAVE" + "fmt " + u32(16) + u16(1) +
                      u16(static_cast<std::uint16_t>(channels)) + u32(rate) +
                      u32(static_cast<std::uint32_t>(rate * channels * 2)) +
                      u16(static_cast<std::uint16_t>(channels * 2)) + u16(16) + "data" +
                      u32(dataBytes);
    std::string data(dataBytes, '\0');
    std::memcpy(data.data(), samples.data(), dataBytes);
    return wav + data;
}

// A sine of constant level, so that two sounds can be told apart by their peaks.
std::vector<std::int16_t> Sine(int rate, int channels, double hz, int ms, double level) {
    std::vector<std::int16_t> samples;
    const long frames = static_cast<long>(rate) * ms / 1000;
    for (long i = 0; i < frames; ++i) {
        auto s = static_cast<std::int16_t>(std::lround(level * std::sin(2 * M_PI * hz * i / rate)));
        for (int c = 0; c < channels; ++c) {
            samples.push_back(s);
        }
    }
    return samples;
}

// What the disk driver wrote, as frames of the device format.
struct Output {
    std::vector<std::int16_t> samples;

    long Frames() const { return static_cast<long>(samples.size()) / SdlSound::kChannels; }
    std::int16_t At(long frame, int channel = 0) const {
        return samples[static_cast<std::size_t>(frame * SdlSound::kChannels + channel)];
    }
    // Frames from the first to the last one that is not silent; 0 when all is silence.
    long SoundingSpan() const {
        long first = -1;
        long last = -1;
        for (long f = 0; f < Frames(); ++f) {
            if (At(f) != 0 || At(f, 1) != 0) {
                last = f;
                if (first < 0) {
                    first = f;
                }
            }
        }
        return first < 0 ? 0 : last - first + 1;
    }
    // Frames whose level (absolute value) lies in [low, high].
    long FramesWithPeakBetween(int low, int high) const {
        long count = 0;
        for (long f = 0; f < Frames(); ++f) {
            int v = std::abs(static_cast<int>(At(f)));
            count += (v >= low && v <= high) ? 1 : 0;
        }
        return count;
    }
};

class SdlSoundTest : public ::testing::Test {
  protected:
    SdlSoundTest()
        : driver_("SDL_AUDIODRIVER", "disk"),
          file_("SDL_DISKAUDIOFILE", dir_.File("out.raw")),
          sound_(std::make_unique<SdlSound>()) {}

    // Lets everything queued reach the file, then closes the device so the file is complete.
    Output Finish() {
        EXPECT_TRUE(PollUntil([&] { return sound_->PendingBytes() == 0; }));
        const auto path = dir_.File("out.raw");
        auto size = [&] {
            std::error_code ignored;
            return std::filesystem::file_size(path, ignored);
        };
        const auto reached = size();
        // A few more device buffers of silence: the last sound buffer has been written.
        PollUntil([&] { return size() > reached + 16384; }, 5000);
        sound_.reset();
        std::string bytes = ReadFile(path);
        Output out;
        out.samples.resize(bytes.size() / 2);
        std::memcpy(out.samples.data(), bytes.data(), out.samples.size() * 2);
        return out;
    }

    TempDir dir_;
    ScopedEnv driver_;
    ScopedEnv file_;
    std::unique_ptr<SdlSound> sound_;
};

TEST_F(SdlSoundTest, BeepPlaysATonedOfItsLength) {
    ASSERT_TRUE(sound_->HasDevice());
    sound_->Beep(1000, 200);
    Output out = Finish();
    const long expected = SdlSound::kFrequency * 200 / 1000;
    EXPECT_NEAR(out.SoundingSpan(), expected, expected / 20);
    // Faded in: the first sounding frame is quiet, the middle is loud.
    EXPECT_GT(out.FramesWithPeakBetween(6000, 32767), expected / 10);
}

TEST_F(SdlSoundTest, WaveInDeviceFormatIsPlayedSampleForSample) {
    std::vector<std::int16_t> samples =
        Sine(SdlSound::kFrequency, SdlSound::kChannels, 440, 300, 12000);
    dir_.Write("a.wav", MakeWav(SdlSound::kFrequency, SdlSound::kChannels, samples));
    EXPECT_TRUE(sound_->PlayWaveAsync(dir_.File("a.wav")));
    Output out = Finish();
    // The sine starts at 0, so look for its second frame onwards.
    auto at =
        std::search(out.samples.begin(), out.samples.end(), samples.begin() + 2, samples.end());
    EXPECT_NE(at, out.samples.end());
    EXPECT_NEAR(out.SoundingSpan(), static_cast<long>(samples.size() / 2), 2);
}

TEST_F(SdlSoundTest, WaveIsConvertedToTheDeviceFormat) {
    // Half the rate, one channel: twice the frames, both channels alike.
    std::vector<std::int16_t> samples = Sine(22050, 1, 300, 250, 12000);
    dir_.Write("mono.wav", MakeWav(22050, 1, samples));
    EXPECT_TRUE(sound_->PlayWaveAsync(dir_.File("mono.wav")));
    Output out = Finish();
    const long expected = static_cast<long>(samples.size()) * 2;
    EXPECT_NEAR(out.SoundingSpan(), expected, expected / 20);
    long differing = 0;
    for (long f = 0; f < out.Frames(); ++f) {
        differing += out.At(f, 0) != out.At(f, 1) ? 1 : 0;
    }
    EXPECT_EQ(differing, 0);
}

TEST_F(SdlSoundTest, MissingOrBrokenFilePlaysTheChimeAndSaysSo) {
    EXPECT_FALSE(sound_->PlayWaveAsync(dir_.File("alarme.wav")));
    Output out = Finish();
    const long chime = static_cast<long>(SdlSound::MakeChime().size()) / SdlSound::kChannels;
    EXPECT_GT(chime, SdlSound::kFrequency / 10);
    EXPECT_NEAR(out.SoundingSpan(), chime, chime / 20);

    sound_ = std::make_unique<SdlSound>();
    dir_.Write("broken.wav", "RIFF\x10\0\0\0WAVEjunkjunk");
    EXPECT_FALSE(sound_->PlayWaveAsync(dir_.File("broken.wav")));
    EXPECT_GT(Finish().SoundingSpan(), chime / 2);
}

TEST_F(SdlSoundTest, NewerSoundCutsTheOlder) {
    // A long quiet sine, then a short loud one: the quiet one must not play to its end.
    std::vector<std::int16_t> longQuiet =
        Sine(SdlSound::kFrequency, SdlSound::kChannels, 440, 3000, 4000);
    std::vector<std::int16_t> shortLoud =
        Sine(SdlSound::kFrequency, SdlSound::kChannels, 440, 200, 20000);
    dir_.Write("long.wav", MakeWav(SdlSound::kFrequency, SdlSound::kChannels, longQuiet));
    dir_.Write("short.wav", MakeWav(SdlSound::kFrequency, SdlSound::kChannels, shortLoud));
    ASSERT_TRUE(sound_->PlayWaveAsync(dir_.File("long.wav")));
    ASSERT_TRUE(sound_->PlayWaveAsync(dir_.File("short.wav")));
    Output out = Finish();
    const long longFrames = static_cast<long>(longQuiet.size()) / SdlSound::kChannels;
    const long shortFrames = static_cast<long>(shortLoud.size()) / SdlSound::kChannels;
    // Near the peak of each sine: roughly a fifth of its frames.
    long quietPeaks = out.FramesWithPeakBetween(3800, 4000);
    long loudPeaks = out.FramesWithPeakBetween(19000, 20000);
    EXPECT_LT(quietPeaks, longFrames / 5 / 4);
    EXPECT_NEAR(loudPeaks, shortFrames * 0.2, shortFrames * 0.1);
    EXPECT_LT(out.SoundingSpan(), longFrames / 2);
}

TEST_F(SdlSoundTest, AClickDuringAnAlarmIsHeardOverItWithoutCuttingIt) {
    std::vector<std::int16_t> alarm =
        Sine(SdlSound::kFrequency, SdlSound::kChannels, 440, 1500, 4000);
    dir_.Write("alarme.wav", MakeWav(SdlSound::kFrequency, SdlSound::kChannels, alarm));
    ASSERT_TRUE(sound_->PlayWaveAsync(dir_.File("alarme.wav")));
    // Into the alarm, not at its very start.
    ASSERT_TRUE(PollUntil([&] { return sound_->PendingBytes() < alarm.size(); }));
    sound_->Beep(1000, 200);
    sound_->Beep(1000, 200);
    Output out = Finish();
    const long alarmFrames = static_cast<long>(alarm.size()) / SdlSound::kChannels;
    EXPECT_NEAR(out.SoundingSpan(), alarmFrames, alarmFrames / 20);
    // Above what either reaches alone (4000 and about 8200): both at once.
    EXPECT_GT(out.FramesWithPeakBetween(9000, 13000), 0);
    // The alarm's own peaks outside the beeps: most of them are still there.
    EXPECT_GT(out.FramesWithPeakBetween(3800, 4000), alarmFrames / 5 / 2);
}

TEST_F(SdlSoundTest, TheOutputClosesWhenIdleAndOpensAgainForTheNextSound) {
    sound_->Beep(1000, 50);
    ASSERT_TRUE(PollUntil([&] { return !sound_->HasDevice(); }, 10000));
    // Closed for good until asked: nothing reopens it meanwhile.
    std::filesystem::remove(dir_.File("out.raw"));
    EXPECT_FALSE(PollUntil([&] { return sound_->HasDevice(); }, SdlSound::kIdleCloseMs * 2));
    EXPECT_FALSE(std::filesystem::exists(dir_.File("out.raw")));

    // A long WAV keeps it open while it plays, though nothing else happens.
    std::vector<std::int16_t> alarm =
        Sine(SdlSound::kFrequency, SdlSound::kChannels, 440, SdlSound::kIdleCloseMs * 2, 8000);
    dir_.Write("alarme.wav", MakeWav(SdlSound::kFrequency, SdlSound::kChannels, alarm));
    ASSERT_TRUE(sound_->PlayWaveAsync(dir_.File("alarme.wav")));
    EXPECT_TRUE(sound_->HasDevice());
    Output out = Finish();
    const long frames = static_cast<long>(alarm.size()) / SdlSound::kChannels;
    EXPECT_NEAR(out.SoundingSpan(), frames, frames / 20);
}

TEST(SdlSoundWithoutDeviceTest, IsSilentAndSurvives) {
    ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
    SdlSound sound;
    EXPECT_FALSE(sound.HasDevice());
    sound.Beep(440, 20);
    sound.Beep(0, 0);
    EXPECT_FALSE(sound.PlayWaveAsync("/no/such/alarme.wav"));
    EXPECT_EQ(sound.PendingBytes(), 0u);
}

TEST(SdlSoundToneTest, ToneHasItsLengthAndFades) {
    std::vector<std::int16_t> tone = SdlSound::MakeTone(440, 100);
    ASSERT_EQ(tone.size(), static_cast<std::size_t>(SdlSound::kFrequency / 10 * 2));
    EXPECT_EQ(tone.front(), 0);
    EXPECT_EQ(tone.back(), 0);
    EXPECT_TRUE(SdlSound::MakeTone(440, 0).empty());
    EXPECT_TRUE(SdlSound::MakeTone(-5, 100).empty());
    // Far too short for the usual fade: still a tone, still no click.
    std::vector<std::int16_t> tiny = SdlSound::MakeTone(440, 1);
    EXPECT_FALSE(tiny.empty());
}

}  // namespace
}  // namespace quivlane
