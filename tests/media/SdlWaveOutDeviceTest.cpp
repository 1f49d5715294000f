#include "platform/audio/SdlWaveOutDevice.h"

#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "media/Mp3Engine.h"
#include "media/WaveOut.h"
#include "tests/support/Mp3Fixtures.h"
#include "tests/support/TempDir.h"

namespace quivlane {
namespace {

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        const char* old = std::getenv(name);
        had_ = old != nullptr;
        if (had_) {
            old_ = old;
        }
        ::setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (had_) {
            ::setenv(name_, old_.c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }
    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

  private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

struct Completions {
    std::mutex mutex;
    std::condition_variable changed;
    std::vector<std::uintptr_t> users;
    std::thread::id thread;
};

void Record(unsigned message, void* instance, WaveHeader* header) {
    if (message != kWomDone) {
        return;
    }
    auto* c = static_cast<Completions*>(instance);
    {
        std::lock_guard lock(c->mutex);
        c->users.push_back(header->user);
        c->thread = std::this_thread::get_id();
    }
    c->changed.notify_all();
}

TEST(SdlWaveOutDeviceTest, WithoutAnAudioDriverTheOpenFailsAsNoDriver) {
    ScopedEnv driver("SDL_AUDIODRIVER", "quivlane-no-such-driver");
    SdlWaveOutDevice device;
    WaveOut out(device);
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 2, 44100, 16, 2, 131));
    EXPECT_EQ(0, out.OpenAudioOutput(kWaveMapper, nullptr, nullptr, kCallbackFunction));
    EXPECT_EQ("WaveOut::OpenAudioOutput  *** No device driver is present", out.GetErrorText());
    EXPECT_EQ(0, out.Close());
    EXPECT_EQ("WaveOut::Close  *** Specified device handle is invalid", out.GetErrorText());
}

TEST(SdlWaveOutDeviceTest, AnOpenOutputLeavesTerminationSignalsToTheProgram) {
    // SDL's handlers would turn them into quit events that neither program reads.
    ASSERT_EQ(SIG_DFL, ::signal(SIGTERM, SIG_DFL));
    ASSERT_EQ(SIG_DFL, ::signal(SIGINT, SIG_DFL));
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SdlWaveOutDevice device;
    WaveOut out(device);
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 1, 8000, 16, 2, 20));
    ASSERT_EQ(1, out.OpenAudioOutput(kWaveMapper, nullptr, nullptr, kCallbackFunction));
    EXPECT_EQ(SIG_DFL, ::signal(SIGTERM, SIG_DFL));
    EXPECT_EQ(SIG_DFL, ::signal(SIGINT, SIG_DFL));
    EXPECT_EQ(1, out.Close());
}

TEST(SdlWaveOutDeviceTest, BuffersCompleteInOrderOnTheAudioThread) {
    ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
    SdlWaveOutDevice device;
    WaveOut out(device);
    Completions completions;
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 1, 8000, 16, 4, 20));
    ASSERT_EQ(1, out.OpenAudioOutput(kWaveMapper, &Record, &completions, kCallbackFunction));
    EXPECT_EQ(0, out.OpenAudioOutput(kWaveMapper, &Record, &completions, kCallbackFunction));
    EXPECT_EQ("WaveOut::OpenAudioOutput  *** Specified resource is already allocated",
              out.GetErrorText());
    for (std::uint32_t i : {3u, 1u, 0u}) {
        out.SetBufferLength(i, i == 0 ? 0 : out.GetBufferBytes());
        ASSERT_EQ(1, out.PlayBuffer(i));
    }
    {
        std::unique_lock lock(completions.mutex);
        completions.changed.wait(lock, [&] { return completions.users.size() == 3; });
        EXPECT_EQ((std::vector<std::uintptr_t>{3, 1, 0}), completions.users);
        EXPECT_NE(std::this_thread::get_id(), completions.thread);
    }
    EXPECT_TRUE(out.IsBufferDone(3) && out.IsBufferDone(1) && out.IsBufferDone(0));
    EXPECT_EQ(1, out.UnprepareBuffer(3));

    // Paused, the queued buffer waits and keeps the device from closing; restarted, it plays.
    EXPECT_EQ(1, out.Pause());
    out.SetBufferLength(2, out.GetBufferBytes());
    ASSERT_EQ(1, out.PlayBuffer(2));
    EXPECT_EQ(0, out.UnprepareBuffer(2));
    EXPECT_EQ(0, out.Close());
    EXPECT_EQ("WaveOut::Close   *** There are still buffers in the queue", out.GetErrorText());
    EXPECT_EQ(1, out.Restart());
    {
        std::unique_lock lock(completions.mutex);
        completions.changed.wait(lock, [&] { return completions.users.size() == 4; });
        EXPECT_EQ(2u, completions.users.back());
    }
    // A reset hands back what was queued, paused or not.
    EXPECT_EQ(1, out.Pause());
    ASSERT_EQ(1, out.PlayBuffer(1));
    EXPECT_FALSE(out.IsBufferDone(1));
    EXPECT_EQ(1, out.Reset());
    EXPECT_TRUE(out.IsBufferDone(1));
    EXPECT_EQ(1, out.Close());
    EXPECT_EQ(1, out.Uninitialize());
}

TEST(SdlWaveOutDeviceTest, DiskDriverWritesWhatTheReferenceDecoderDecodes) {
    test::TempDir dir;
    const std::string wav = test::Mp3Fixtures::MakeWav("s44.wav", 44100, 2, 3.0);
    const std::string mp3 =
        test::Mp3Fixtures::Encode("cbr44.mp3", "lame", wav, {"--quiet", "-b", "128"});
    const std::string reference = test::Mp3Fixtures::DecodeWithMpg123(mp3);
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", dir.File("out.raw"));
    {
        SdlWaveOutDevice device;
        Mp3Engine engine(device);
        ASSERT_EQ(1, engine.OpenMp3File(mp3, 10000, 0, 0));
        ASSERT_EQ(1, engine.Play());
        while (engine.GetStatus() == 1) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        EXPECT_EQ(1, engine.Close());
    }
    const std::string written = dir.Read("out.raw");
    ASSERT_GE(written.size(), reference.size());
    // The driver runs at real time and may add silence around the audio; the decoded part
    // must match exactly.
    const std::size_t start = written.find(reference.substr(0, 8192));
    ASSERT_NE(std::string::npos, start);
    EXPECT_EQ(0u, start % 4);
    EXPECT_TRUE(written.compare(start, reference.size(), reference) == 0);
    EXPECT_EQ(std::string(start, '\0'), written.substr(0, start));
}

}  // namespace
}  // namespace quivlane
