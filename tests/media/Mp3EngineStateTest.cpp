#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#include "media/Mp3Engine.h"
#include "tests/support/Mp3Fixtures.h"
#include "tests/support/ScriptedWaveOutDevice.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

using test::Mp3Fixtures;
using test::ScriptedWaveOutDevice;

std::string Fixture() {
    const std::string wav = Mp3Fixtures::MakeWav("s44.wav", 44100, 2, 3.0);
    return Mp3Fixtures::Encode("cbr44.mp3", "lame", wav, {"--quiet", "-b", "128"});
}

std::string ShortFixture() {
    const std::string wav = Mp3Fixtures::MakeWav("m22short.wav", 22050, 1, 0.5);
    return Mp3Fixtures::Encode("mono22short.mp3", "lame", wav,
                               {"--quiet", "-m", "m", "-b", "32", "--resample", "22.05"});
}

void WaitForQueued(const ScriptedWaveOutDevice& device, std::size_t count) {
    while (device.Queued() < count) {
        std::this_thread::yield();
    }
}

class Mp3StateTest : public testing::Test {
  protected:
    void SetUp() override {
        path_ = Fixture();
        reference_ = Mp3Fixtures::DecodeWithMpg123(path_);
        frames_ = Mp3Fixtures::FrameOffsets(test::ReadFile(path_)).size();
        ASSERT_EQ(1, engine_.OpenMp3File(path_, 10000, 0, 0)) << engine_.GetErrorText();
        // The whole file fits the look-ahead, so one pass queues all of it.
        buffers_ = (frames_ + 3) / 4;
        ASSERT_LE(buffers_, engine_.GetBufferCount());
    }

    ScriptedWaveOutDevice device_{ScriptedWaveOutDevice::Mode::Manual};
    Mp3Engine engine_{device_};
    std::string path_;
    std::string reference_;
    std::size_t frames_ = 0;
    std::size_t buffers_ = 0;
};

TEST_F(Mp3StateTest, StopsOnlyOnceTheQueuedAudioHasBeenHeard) {
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, buffers_);
    for (std::size_t i = 0; i < buffers_; ++i) {
        EXPECT_EQ(1, engine_.GetStatus()) << i;
        ASSERT_TRUE(device_.CompleteNext());
    }
    device_.WaitForCloses(1);
    EXPECT_EQ(2, engine_.GetStatus());
    EXPECT_EQ(buffers_ - 1, device_.LastCompletedUser());
    EXPECT_TRUE(reference_ == device_.Heard());

    // The next run starts again from the first frame.
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, buffers_);
    while (device_.CompleteNext()) {
    }
    device_.WaitForCloses(2);
    EXPECT_TRUE(reference_ + reference_ == device_.Heard());
}

TEST_F(Mp3StateTest, PlayResumesAPausedEngineAndIgnoresAPlayingOne) {
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, 1);
    EXPECT_EQ(0, engine_.Play());
    EXPECT_EQ(1, engine_.GetStatus());
    EXPECT_EQ(1, engine_.Pause());
    EXPECT_EQ(4, engine_.GetStatus());
    EXPECT_TRUE(device_.IsPaused());
    EXPECT_EQ(1, engine_.Play());
    EXPECT_EQ(1, engine_.GetStatus());
    EXPECT_FALSE(device_.IsPaused());
    EXPECT_EQ(1, device_.Opens());

    // Stop rewinds: playing again hears the file from its start.
    WaitForQueued(device_, buffers_);
    ASSERT_TRUE(device_.CompleteNext());
    ASSERT_TRUE(device_.CompleteNext());
    const std::string partial = device_.Heard();
    EXPECT_EQ(1, engine_.Stop());
    EXPECT_EQ(2, engine_.GetStatus());
    EXPECT_EQ(0, engine_.Stop());
    EXPECT_FALSE(device_.IsOpen());
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, buffers_);
    while (device_.CompleteNext()) {
    }
    device_.WaitForCloses(2);
    EXPECT_TRUE(partial + reference_ == device_.Heard());
    EXPECT_EQ(reference_.substr(0, partial.size()), partial);
}

TEST_F(Mp3StateTest, OpeningAnotherFileWhilePlayingLeavesThePlayingOne) {
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, buffers_);
    EXPECT_EQ(0, engine_.OpenMp3File(ShortFixture(), 10000, 0, 0));
    EXPECT_EQ("You need to close mp3 file before open new one", engine_.GetErrorText());
    EXPECT_EQ(1, engine_.GetStatus());
    while (device_.CompleteNext()) {
    }
    device_.WaitForCloses(1);
    EXPECT_TRUE(reference_ == device_.Heard());
    EXPECT_EQ(2, engine_.GetStatus());
}

TEST_F(Mp3StateTest, CloseWhilePlayingEndsTheRunAndReleasesTheFile) {
    ASSERT_EQ(1, engine_.Play());
    WaitForQueued(device_, 2);
    EXPECT_EQ(1, engine_.Close());
    EXPECT_EQ(2, engine_.GetStatus());
    EXPECT_FALSE(device_.IsOpen());
    EXPECT_EQ(0u, device_.Queued());
    EXPECT_EQ(0, engine_.Play());
    ASSERT_EQ(1, engine_.OpenMp3File(ShortFixture(), 10000, 0, 0));
    EXPECT_EQ(22050, engine_.GetSampleRate());
}

TEST(Mp3DeviceFailureTest, UnopenableDeviceFailsThePlayAndLeavesTheEngineStopped) {
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Immediate);
    device.FailOpenWith(kMmSysErrNoDriver);
    Mp3Engine engine(device);
    ASSERT_EQ(1, engine.OpenMp3File(ShortFixture(), 10000, 0, 0));
    EXPECT_EQ(0, engine.Play());
    EXPECT_TRUE(engine.OutputFailed());
    EXPECT_EQ(2, engine.GetStatus());
    EXPECT_EQ("WaveOut::OpenAudioOutput  *** No device driver is present", engine.GetErrorText());
    EXPECT_EQ(0, engine.Stop());
    EXPECT_EQ(0, engine.Play());
    EXPECT_EQ(2, engine.GetStatus());
    EXPECT_EQ("", device.Heard());
    device.FailOpenWith(kMmSysErrNoError);
    EXPECT_EQ(1, engine.Play());
    EXPECT_FALSE(engine.OutputFailed());
    device.WaitForCloses(1);
    EXPECT_TRUE(Mp3Fixtures::DecodeWithMpg123(ShortFixture()) == device.Heard());
}

// Transport calls in random order against a worker and a device thread of their own.
TEST(Mp3RandomTransportTest, ThousandRandomSequencesNeverDeadlock) {
    const std::string files[] = {ShortFixture(), Fixture()};
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Threaded);
    std::mt19937 random(20261208u);
    // Weighted towards Play, Stop and Open so that many runs start and some reach the end.
    std::discrete_distribution<int> pick({3, 1, 1, 2, 1, 2});
    std::uniform_int_distribution<int> pauseUs(0, 1500);
    {
        Mp3Engine engine(device);
        bool open = false;
        for (int step = 0; step < 1000; ++step) {
            switch (pick(random)) {
                case 0:
                    engine.Play();
                    break;
                case 1:
                    EXPECT_EQ(open ? 1 : 0, engine.Pause());
                    if (open) {
                        EXPECT_EQ(4, engine.GetStatus());
                    }
                    break;
                case 2:
                    EXPECT_EQ(open ? 1 : 0, engine.Resume());
                    EXPECT_NE(4, engine.GetStatus());
                    break;
                case 3:
                    engine.Stop();
                    EXPECT_NE(1, engine.GetStatus());
                    break;
                case 4:
                    EXPECT_EQ(1, engine.Close());
                    EXPECT_EQ(2, engine.GetStatus());
                    open = false;
                    break;
                default:
                    if (engine.OpenMp3File(files[step % 2], 200 + step % 3 * 4900, 0, 0) == 1) {
                        open = true;
                    } else {
                        EXPECT_TRUE(open);
                    }
                    break;
            }
            // Now and then let the worker and the device run for a moment.
            if (step % 4 == 0) {
                std::this_thread::sleep_for(std::chrono::microseconds(pauseUs(random)));
            }
        }
        // Left playing on purpose: the destructor has to end the run.
        if (!open) {
            ASSERT_EQ(1, engine.OpenMp3File(files[1], 10000, 0, 0));
        }
        if (engine.GetStatus() == 4) {
            engine.Resume();
        }
        if (engine.GetStatus() != 1) {
            ASSERT_EQ(1, engine.Play());
        }
    }
    EXPECT_FALSE(device.IsOpen());
    EXPECT_EQ(device.Opens(), device.Closes());
    // The sequences really ran the worker, and some runs reached the end of a file.
    EXPECT_GT(device.Opens(), 40);
    EXPECT_FALSE(device.Heard().empty());
}

}  // namespace
}  // namespace quivlane
