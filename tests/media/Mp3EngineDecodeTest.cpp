#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "media/Mp3Engine.h"
#include "tests/support/Mp3Fixtures.h"
#include "tests/support/ScriptedWaveOutDevice.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::Mp3Fixtures;
using test::ScriptedWaveOutDevice;

struct Fixture {
    const char* name;
    const char* wav;
    int rate;
    int channels;
    std::vector<std::string> lameArgs;
    int expectedRate;
    int expectedVersion;
};

void PrintTo(const Fixture& f, std::ostream* os) {
    *os << f.name;
}

std::string MakeFixture(const Fixture& f) {
    const std::string wav = Mp3Fixtures::MakeWav(f.wav, f.rate, f.channels, 3.0);
    std::vector<std::string> args{"--quiet"};
    args.insert(args.end(), f.lameArgs.begin(), f.lameArgs.end());
    return Mp3Fixtures::Encode(f.name, "lame", wav, args);
}

// Everything the engine handed to the device for one run to the end of the file.
std::string PlayToEnd(const std::string& path, int lookAheadMs = 10000) {
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Immediate);
    Mp3Engine engine(device);
    EXPECT_EQ(1, engine.OpenMp3File(path, lookAheadMs, 0, 0)) << engine.GetErrorText();
    EXPECT_EQ(1, engine.Play());
    device.WaitForCloses(1);
    EXPECT_EQ(2, engine.GetStatus());
    return device.Heard();
}

class Mp3DecodeTest : public testing::TestWithParam<Fixture> {};

TEST_P(Mp3DecodeTest, PcmEqualsTheReferenceDecoder) {
    const Fixture& f = GetParam();
    const std::string path = MakeFixture(f);
    {
        ScriptedWaveOutDevice device;
        Mp3Engine engine(device);
        ASSERT_EQ(1, engine.OpenMp3File(path, 10000, 0, 0)) << engine.GetErrorText();
        EXPECT_EQ(f.expectedRate, engine.GetSampleRate());
        EXPECT_EQ(f.channels, engine.GetChannels());
        EXPECT_EQ(f.expectedVersion, engine.GetMpegVersion());
    }
    const std::string reference = Mp3Fixtures::DecodeWithMpg123(path);
    ASSERT_GT(reference.size(), 10000u);
    const std::string heard = PlayToEnd(path);
    EXPECT_EQ(reference.size(), heard.size());
    EXPECT_TRUE(reference == heard) << f.name;
}

INSTANTIATE_TEST_SUITE_P(
    Fixtures, Mp3DecodeTest,
    testing::Values(
        Fixture{"cbr44.mp3", "s44.wav", 44100, 2, {"-b", "128"}, 44100, 0},
        Fixture{"vbr44.mp3", "s44.wav", 44100, 2, {"-V", "4"}, 44100, 0},
        Fixture{"cbr48.mp3", "s48.wav", 48000, 2, {"-b", "160", "--resample", "48"}, 48000, 0},
        Fixture{"cbr32.mp3", "s32.wav", 32000, 2, {"-b", "96", "--resample", "32"}, 32000, 0},
        Fixture{"mono22.mp3",
                "m22.wav",
                22050,
                1,
                {"-m", "m", "-b", "32", "--resample", "22.05"},
                22050,
                1},
        Fixture{
            "mono8.mp3", "m8.wav", 8000, 1, {"-m", "m", "-b", "16", "--resample", "8"}, 8000, 2},
        Fixture{"id3v2.mp3",
                "s44.wav",
                44100,
                2,
                {"-b", "128", "--id3v2-only", "--tt", "Quivlane", "--ta", "Fixture"},
                44100,
                0},
        Fixture{"id3v1.mp3",
                "s44.wav",
                44100,
                2,
                {"-b", "128", "--id3v1-only", "--tt", "Quivlane", "--ta", "Fixture"},
                44100,
                0}),
    [](const testing::TestParamInfo<Fixture>& param) {
        std::string name = param.param.name;
        return name.substr(0, name.find('.'));
    });

TEST(Mp3DecodeTagTest, TagsAreNeverFedToTheDecoder) {
    const std::string v1 =
        MakeFixture({"id3v1.mp3",
                     "s44.wav",
                     44100,
                     2,
                     {"-b", "128", "--id3v1-only", "--tt", "Quivlane", "--ta", "Fixture"},
                     44100,
                     0});
    const std::string v2 =
        MakeFixture({"id3v2.mp3",
                     "s44.wav",
                     44100,
                     2,
                     {"-b", "128", "--id3v2-only", "--tt", "Quivlane", "--ta", "Fixture"},
                     44100,
                     0});
    const std::string v1Bytes = test::ReadFile(v1);
    ASSERT_EQ("TAG", v1Bytes.substr(v1Bytes.size() - 128, 3));
    ASSERT_EQ("ID3", test::ReadFile(v2).substr(0, 3));

    ScriptedWaveOutDevice device;
    Mp3Engine engine(device);
    ASSERT_EQ(1, engine.OpenMp3File(v1, 10000, 0, 0));
    EXPECT_EQ(0u, engine.GetAudioStart());
    EXPECT_EQ(v1Bytes.size() - 128, engine.GetAudioSize());
    engine.Close();
    ASSERT_EQ(1, engine.OpenMp3File(v2, 10000, 0, 0));
    const std::vector<std::size_t> frames = Mp3Fixtures::FrameOffsets(test::ReadFile(v2));
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.front(), engine.GetAudioStart());
}

TEST(Mp3DecodeGarbageTest, PlaysOnWithTheNextConfirmedFrame) {
    const std::string clean =
        MakeFixture({"cbr44.mp3", "s44.wav", 44100, 2, {"-b", "128"}, 44100, 0});
    const std::string bytes = test::ReadFile(clean);
    const std::vector<std::size_t> frames = Mp3Fixtures::FrameOffsets(bytes);
    ASSERT_GT(frames.size(), 60u);
    // Junk with a sync word that nothing confirms and a Layer II header.
    std::string junk = "junk\xFF\xFB\x90\x64";
    junk += std::string(150, '\x55');
    junk += "\xFF\xFD\x90\x64";
    junk += std::string(37, '\x00');
    for (std::size_t at : {frames[13], frames[50]}) {
        test::TempDir dir;
        std::string dirty = bytes;
        dirty.insert(at, junk);
        dir.Write("dirty.mp3", dirty);
        const std::string heard = PlayToEnd(dir.File("dirty.mp3"));
        const std::string reference = Mp3Fixtures::DecodeWithMpg123(clean);
        EXPECT_EQ(reference.size(), heard.size());
        EXPECT_TRUE(reference == heard) << at;
    }
}

TEST(Mp3DecodeGarbageTest, FramesBeforeTrailingJunkStillPlay) {
    const std::string bytes =
        test::ReadFile(MakeFixture({"cbr44.mp3", "s44.wav", 44100, 2, {"-b", "128"}, 44100, 0}));
    const std::vector<std::size_t> frames = Mp3Fixtures::FrameOffsets(bytes);
    ASSERT_GT(frames.size(), 40u);
    // Cut so that the last buffer is part-filled when the junk is met.
    test::TempDir dir;
    dir.Write("clean.mp3", bytes.substr(0, frames[38]));
    dir.Write("junk.mp3", bytes.substr(0, frames[38]) + std::string(300, '\x55'));
    EXPECT_TRUE(Mp3Fixtures::DecodeWithMpg123(dir.File("clean.mp3")) ==
                PlayToEnd(dir.File("junk.mp3")));
}

TEST(Mp3DecodeFailureTest, LayerTwoFileIsNotAnMp3) {
    const std::string wav = Mp3Fixtures::MakeWav("s44.wav", 44100, 2, 3.0);
    const std::string mp2 =
        Mp3Fixtures::Encode("layer2.mp2", "twolame", wav, {"--quiet", "-b", "192"});
    ScriptedWaveOutDevice device;
    Mp3Engine engine(device);
    EXPECT_EQ(0, engine.OpenMp3File(mp2, 10000, 0, 0));
    EXPECT_EQ("Mp3Engine::_Open   *** Can't find first valid mp3 frame", engine.GetErrorText());
}

TEST(Mp3DecodeLookAheadTest, ShortLookAheadGivesTheSamePcm) {
    const std::string path = MakeFixture({"mono22.mp3",
                                          "m22.wav",
                                          22050,
                                          1,
                                          {"-m", "m", "-b", "32", "--resample", "22.05"},
                                          22050,
                                          1});
    EXPECT_TRUE(Mp3Fixtures::DecodeWithMpg123(path) == PlayToEnd(path, 200));
}

}  // namespace
}  // namespace quivlane
