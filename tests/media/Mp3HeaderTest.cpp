#include <gtest/gtest.h>

#include <string>

#include "media/Mp3Engine.h"
#include "tests/support/ScriptedWaveOutDevice.h"
#include "tests/support/SyntheticMp3.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::ScriptedWaveOutDevice;
using test::SyntheticMp3;

const char kNoFrame[] = "Mp3Engine::_Open   *** Can't find first valid mp3 frame";

TEST(Mp3HeaderTest, ParsesLayerThreeHeadersOfEveryVersion) {
    FrameHeader h;
    ASSERT_EQ(1, Mp3Engine::ParseHeader(0xFFFB9064u, h));  // MPEG-1, 128 kbit/s, 44.1 kHz
    EXPECT_EQ(417, h.frameSize);
    EXPECT_EQ(3, h.layer);
    EXPECT_EQ(0, h.lsf);
    EXPECT_EQ(0, h.mpeg25);
    EXPECT_EQ(0, h.sampleRateIndex);
    EXPECT_EQ(2, h.channels);
    EXPECT_EQ(1, h.mode);
    EXPECT_EQ(2, h.modeExtension);
    EXPECT_EQ(0, h.protection);
    EXPECT_EQ(9, h.bitrateIndex);
    ASSERT_EQ(1, Mp3Engine::ParseHeader(0xFFFB9264u, h));
    EXPECT_EQ(418, h.frameSize);
    EXPECT_EQ(1, h.padding);

    // MPEG-2, 22.05 kHz, mono, 32 kbit/s: 32 * 144000 / 44100.
    ASSERT_EQ(1, Mp3Engine::ParseHeader(SyntheticMp3::Header(2, 4, 0, 3), h));
    EXPECT_EQ(104, h.frameSize);
    EXPECT_EQ(3, h.sampleRateIndex);
    EXPECT_EQ(1, h.channels);
    EXPECT_EQ(1, h.lsf);
    // MPEG-2.5, 8 kHz, 8 kbit/s: 8 * 144000 / 16000.
    ASSERT_EQ(1, Mp3Engine::ParseHeader(SyntheticMp3::Header(0, 1, 2), h));
    EXPECT_EQ(72, h.frameSize);
    EXPECT_EQ(8, h.sampleRateIndex);
    EXPECT_EQ(1, h.mpeg25);
    // Free format parses but is far too small to be taken for a frame.
    ASSERT_EQ(1, Mp3Engine::ParseHeader(SyntheticMp3::Header(3, 0, 0), h));
    EXPECT_EQ(0, h.frameSize);
    // Highest rate at the lowest sample rate still fits the input buffer's frame room.
    ASSERT_EQ(1, Mp3Engine::ParseHeader(SyntheticMp3::Header(3, 14, 2, 0, 1), h));
    EXPECT_EQ(1441, h.frameSize);
}

TEST(Mp3HeaderTest, RejectsInvalidWordsAndOtherLayers) {
    FrameHeader h;
    const std::uint32_t good = 0xFFFB9064u;
    EXPECT_EQ(0, Mp3Engine::ParseHeader(good & ~0x00200000u, h));                     // sync bit
    EXPECT_EQ(0, Mp3Engine::ParseHeader((good & ~0x00180000u) | 0x00080000u, h));     // version 1
    EXPECT_EQ(0, Mp3Engine::ParseHeader(good & ~0x00060000u, h));                     // layer 0
    EXPECT_EQ(0, Mp3Engine::ParseHeader(good | 0x0000F000u, h));                      // bitrate 15
    EXPECT_EQ(0, Mp3Engine::ParseHeader(good | 0x00000C00u, h));                      // rate 3
    EXPECT_EQ(0, Mp3Engine::ParseHeader(good | 0x00000002u, h));                      // emphasis 2
    EXPECT_EQ(1, Mp3Engine::ParseHeader(good | 0x00000001u, h));                      // emphasis 1
    EXPECT_EQ(0, Mp3Engine::ParseHeader(SyntheticMp3::Header(3, 9, 0, 0, 0, 2), h));  // II
    EXPECT_EQ(0, Mp3Engine::ParseHeader(SyntheticMp3::Header(3, 9, 0, 0, 0, 3), h));  // I
}

TEST(Mp3HeaderTest, MulDivRoundsToNearest) {
    EXPECT_EQ(4, Mp3Engine::MulDiv(100, 44100, 1152000));
    EXPECT_EQ(131, Mp3Engine::MulDiv(5000, 1152, 44100));
    EXPECT_EQ(2, Mp3Engine::MulDiv(3, 1, 2));
    EXPECT_EQ(-2, Mp3Engine::MulDiv(-3, 1, 2));
    EXPECT_EQ(1, Mp3Engine::MulDiv(4, 1, 3));
    EXPECT_EQ(-1, Mp3Engine::MulDiv(1, 1, 0));
}

class Mp3OpenTest : public testing::Test {
  protected:
    std::string Write(const std::string& bytes) {
        const std::string name = "f" + std::to_string(++files_) + ".mp3";
        dir_.Write(name, bytes);
        return dir_.File(name);
    }

    test::TempDir dir_;
    ScriptedWaveOutDevice device_;
    Mp3Engine engine_{device_};
    int files_ = 0;
};

TEST_F(Mp3OpenTest, BufferSizingForEverySampleRate) {
    struct Row {
        int version;
        int rateBits;
        int rate;
        int frames;
        int ms;
        unsigned count10s;
        unsigned count200;
    };
    const Row rows[] = {
        {3, 0, 44100, 4, 131, 76, 2}, {3, 1, 48000, 4, 120, 83, 2}, {3, 2, 32000, 3, 144, 69, 1},
        {2, 0, 22050, 4, 131, 76, 2}, {2, 1, 24000, 4, 120, 83, 2}, {2, 2, 16000, 3, 144, 69, 1},
        {0, 0, 11025, 2, 157, 64, 1}, {0, 1, 12000, 2, 144, 69, 1}, {0, 2, 8000, 1, 144, 69, 1},
    };
    for (const Row& row : rows) {
        const std::string path =
            Write(SyntheticMp3::Frames(SyntheticMp3::Header(row.version, 8, row.rateBits), 6));
        for (int lookAhead : {10000, 200}) {
            ASSERT_EQ(1, engine_.OpenMp3File(path, lookAhead, 0, 0)) << engine_.GetErrorText();
            EXPECT_EQ(row.rate, engine_.GetSampleRate());
            EXPECT_EQ(row.frames, engine_.GetFramesPerBuffer()) << row.rate;
            EXPECT_EQ(row.ms, engine_.GetBufferMs()) << row.rate;
            EXPECT_EQ(lookAhead == 200 ? row.count200 : row.count10s, engine_.GetBufferCount())
                << row.rate;
            EXPECT_EQ(row.version == 3 ? 1152 : 576, engine_.GetSamplesPerFrame());
            EXPECT_EQ(row.version == 3 ? 0 : row.version == 2 ? 1 : 2, engine_.GetMpegVersion());
            EXPECT_EQ(1, engine_.Close());
        }
    }
}

TEST_F(Mp3OpenTest, LookAheadBelowTwoHundredMsIsRefused) {
    const std::string path = Write(SyntheticMp3::Frames(0xFFFB9064u, 4));
    EXPECT_EQ(0, engine_.OpenMp3File(path, 199, 0, 0));
    EXPECT_EQ("Mp3Engine::_Open\n\nBuffer can't be smaller than 200 ms", engine_.GetErrorText());
    EXPECT_EQ(2, engine_.GetStatus());
    EXPECT_EQ(0, engine_.Play());
    EXPECT_EQ(1, engine_.OpenMp3File(path, 200, 0, 0));
    EXPECT_EQ(2, engine_.GetStatus());
}

TEST_F(Mp3OpenTest, StreamsWithoutTwoMatchingLayerThreeHeadersAreRefused) {
    const std::uint32_t mp3 = 0xFFFB9064u;
    const std::string cases[] = {
        std::string(23, '\xFF'),
        SyntheticMp3::Word(mp3) + std::string(19, '\0'),
        SyntheticMp3::Frames(mp3, 1) + std::string(600, '\0'),
        SyntheticMp3::Frames(SyntheticMp3::Header(3, 0, 0), 200),          // free format
        SyntheticMp3::Frames(SyntheticMp3::Header(3, 9, 0, 0, 0, 2), 20),  // Layer II
        // The follower differs in sample rate or channel count.
        SyntheticMp3::Frames(mp3, 1) + SyntheticMp3::Frames(SyntheticMp3::Header(3, 9, 1), 1) +
            std::string(400, '\0'),
        SyntheticMp3::Frames(mp3, 1) + SyntheticMp3::Frames(mp3 | 0xC0, 1) + std::string(400, '\0'),
        std::string(),
    };
    int n = 0;
    for (const std::string& bytes : cases) {
        EXPECT_EQ(0, engine_.OpenMp3File(Write(bytes), 10000, 0, 0)) << n;
        EXPECT_EQ(kNoFrame, engine_.GetErrorText()) << n;
        ++n;
    }
    EXPECT_EQ(0, engine_.OpenMp3File(dir_.File("missing.mp3"), 10000, 0, 0));
    EXPECT_EQ("Mp3Engine::OpenMp3File\n\nCan't open file", engine_.GetErrorText());
}

TEST_F(Mp3OpenTest, FindsTheFirstConfirmedFrameAcrossTagsAndBlockSeams) {
    // A false sync inside an ID3v2 tag is not confirmed by a following header.
    const std::string tag =
        std::string("ID3\x03\0\0\0\0\0\x20", 10) + "\xFF\xFB\x90\x64" + std::string(28, 'x');
    const std::string frames = SyntheticMp3::Frames(0xFFFB9064u, 5);
    ASSERT_EQ(1, engine_.OpenMp3File(Write(tag + frames), 10000, 0, 0));
    EXPECT_EQ(tag.size(), engine_.GetAudioStart());
    EXPECT_EQ(frames.size(), engine_.GetAudioSize());
    EXPECT_EQ(engine_.GetAudioStart() + engine_.GetAudioSize(), engine_.GetDataLength());
    engine_.Close();

    // Confirmation read from the file beyond the search block, a header split by the seam.
    for (std::size_t lead : {std::size_t{8000}, std::size_t{8189}, std::size_t{8190},
                             std::size_t{8191}, std::size_t{8192}, std::size_t{20000}}) {
        ASSERT_EQ(1, engine_.OpenMp3File(Write(std::string(lead, '\0') + frames), 10000, 0, 0))
            << lead;
        EXPECT_EQ(lead, engine_.GetAudioStart());
        engine_.Close();
    }
}

TEST_F(Mp3OpenTest, TrailingId3v1TagIsLeftOutOfTheAudio) {
    const std::string frames = SyntheticMp3::Frames(0xFFFB9064u, 5);
    const std::string tag = "TAG" + std::string(125, ' ');
    ASSERT_EQ(1, engine_.OpenMp3File(Write(frames + tag), 10000, 0, 0));
    EXPECT_EQ(frames.size(), engine_.GetAudioSize());
    engine_.Close();

    // Less than 128 bytes in all: no tag can be looked for, the open goes on.
    const std::string tiny = SyntheticMp3::Frames(SyntheticMp3::Header(2, 1, 1), 3);
    ASSERT_EQ(72u, tiny.size());
    ASSERT_EQ(1, engine_.OpenMp3File(Write(tiny), 10000, 0, 0)) << engine_.GetErrorText();
    EXPECT_EQ(72u, engine_.GetAudioSize());
    EXPECT_EQ(24000, engine_.GetSampleRate());
    engine_.Close();

    // Start offset and length bound the data looked at.
    const std::string lead(100, '\0');
    ASSERT_EQ(1, engine_.OpenMp3File(Write(lead + frames + tag + lead), 10000, 100,
                                     static_cast<std::uint32_t>(frames.size() + tag.size())));
    EXPECT_EQ(100u, engine_.GetAudioStart());
    EXPECT_EQ(frames.size(), engine_.GetAudioSize());
    EXPECT_EQ(frames.size() + tag.size(), engine_.GetDataLength());
}

TEST_F(Mp3OpenTest, ClosedEngineRefusesTransportWithItsTexts) {
    EXPECT_EQ(0, engine_.Play());
    EXPECT_EQ("Mp3Engine::Play\n\nStrean isn't open!", engine_.GetErrorText());
    EXPECT_EQ(0, engine_.Stop());
    EXPECT_EQ("Mp3Engine::Play\n\nStream isn't open!", engine_.GetErrorText());
    EXPECT_EQ(0, engine_.Pause());
    EXPECT_EQ("Mp3Engine::Play\n\nStrean isn't open!", engine_.GetErrorText());
    EXPECT_EQ(0, engine_.Resume());
    EXPECT_EQ(1, engine_.Close());
    EXPECT_EQ(2, engine_.GetStatus());

    const std::string path = Write(SyntheticMp3::Frames(0xFFFB9064u, 5));
    ASSERT_EQ(1, engine_.OpenMp3File(path, 10000, 0, 0));
    EXPECT_EQ(0, engine_.OpenMp3File(path, 10000, 0, 0));
    EXPECT_EQ("You need to close mp3 file before open new one", engine_.GetErrorText());
    // Pause and resume do not look at the playing state.
    EXPECT_EQ(1, engine_.Pause());
    EXPECT_EQ(4, engine_.GetStatus());
    EXPECT_EQ(1, engine_.Close());
    EXPECT_EQ(2, engine_.GetStatus());
    EXPECT_EQ(0u, engine_.GetAudioStart());
    EXPECT_EQ(0, engine_.GetSampleRate());
}

}  // namespace
}  // namespace quivlane
