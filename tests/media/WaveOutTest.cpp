#include "media/WaveOut.h"

#include <gtest/gtest.h>

#include <atomic>
#include <vector>

#include "tests/support/ScriptedWaveOutDevice.h"

namespace quivlane {
namespace {

using test::ScriptedWaveOutDevice;

std::vector<std::uintptr_t> completedUsers;

void Record(unsigned message, void* /*instance*/, WaveHeader* header) {
    if (message == kWomDone) {
        completedUsers.push_back(header->user);
    }
}

TEST(WaveOutTest, InitializeSizesTheRingFromTheFormat) {
    ScriptedWaveOutDevice device;
    WaveOut out(device);
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 2, 44100, 16, 76, 131));
    EXPECT_EQ(176400u, out.GetFormat().avgBytesPerSec);
    EXPECT_EQ(4, out.GetFormat().blockAlign);
    EXPECT_EQ(0, out.GetFormat().extraSize);
    EXPECT_EQ(23108u, out.GetBufferBytes());
    EXPECT_EQ(76u, out.GetBufferCount());
    EXPECT_EQ(131u, out.GetBufferLengthMs());
    EXPECT_EQ(44100u, out.GetSampleRate());
    EXPECT_FALSE(out.IsBufferDone(0));
    out.MarkBufferDone(75);
    EXPECT_TRUE(out.IsBufferDone(75));

    std::uint8_t* first = out.GetBufferData(0);
    EXPECT_EQ(0, out.Initialize(kWaveFormatPcm, 1, 8000, 16, 3, 144));
    EXPECT_EQ("WaveOut::Initialize   *** Already initializet. Uninitialize first.",
              out.GetErrorText());
    EXPECT_EQ(76u, out.GetBufferCount());
    EXPECT_EQ(23108u, out.GetBufferBytes());
    EXPECT_EQ(first, out.GetBufferData(0));

    EXPECT_EQ(1, out.Uninitialize());
    EXPECT_EQ(1, out.Uninitialize());
    EXPECT_EQ(1, out.Initialize(kWaveFormatPcm, 1, 22050, 16, 2, 131));
    EXPECT_EQ(44100u, out.GetFormat().avgBytesPerSec);
    EXPECT_EQ(5777u, out.GetBufferBytes());  // 131 * 44100 / 1000, truncated
}

TEST(WaveOutTest, OpenAndCloseMapResultCodesToTheirTexts) {
    struct Case {
        unsigned code;
        const char* text;
    };
    const Case opens[] = {
        {4, "WaveOut::OpenAudioOutput  *** Specified resource is already allocated"},
        {2, "WaveOut::OpenAudioOutput  *** Specified device identifier is out of range"},
        {6, "WaveOut::OpenAudioOutput  *** No device driver is present"},
        {7, "WaveOut::OpenAudioOutput  *** Unable to allocate or lock memory"},
        {32,
         "WaveOut::OpenAudioOutput   *** Attempted to open with an unsupported waveform-audio "
         "format"},
        {35,
         "WaveOut::OpenAudioOutput   *** The device is synchronous but waveOutOpen was called "
         "without using the WAVE_ALLOWSYNC flag"},
        {1, "WaveOut::OpenAudioOutput   *** Unknown error"},
        {99, "WaveOut::OpenAudioOutput   *** Unknown error"},
    };
    for (const Case& c : opens) {
        ScriptedWaveOutDevice device;
        WaveOut out(device);
        ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 2, 44100, 16, 2, 131));
        device.FailOpenWith(c.code);
        EXPECT_EQ(0, out.OpenAudioOutput(kWaveMapper, nullptr, nullptr, kCallbackFunction));
        EXPECT_EQ(c.text, out.GetErrorText()) << c.code;
    }
    const Case closes[] = {
        {6, "WaveOut::Close  *** No device driver is present"},
        {5, "WaveOut::Close  *** Specified device handle is invalid"},
        {7, "WaveOut::Close   *** Unable to allocate or lock memory"},
        {33, "WaveOut::Close   *** There are still buffers in the queue"},
        {1, "WaveOut::Close   *** Unknown error"},
    };
    for (const Case& c : closes) {
        ScriptedWaveOutDevice device;
        WaveOut out(device);
        ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 2, 44100, 16, 2, 131));
        ASSERT_EQ(1, out.OpenAudioOutput(kWaveMapper, nullptr, nullptr, kCallbackFunction));
        device.FailCloseWith(c.code);
        EXPECT_EQ(0, out.Close());
        EXPECT_EQ(c.text, out.GetErrorText()) << c.code;
    }
}

TEST(WaveOutTest, BuffersPlayInQueueOrderAndReportTheirIndex) {
    completedUsers.clear();
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Manual);
    WaveOut out(device);
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 1, 8000, 16, 3, 144));
    ASSERT_EQ(1, out.OpenAudioOutput(kWaveMapper, &Record, nullptr, kCallbackFunction));
    for (std::uint32_t i : {2u, 0u, 1u}) {
        out.GetBufferData(i)[0] = static_cast<std::uint8_t>('a' + i);
        out.SetBufferLength(i, 1);
        ASSERT_EQ(1, out.PlayBuffer(i));
        EXPECT_FALSE(out.IsBufferDone(i));
    }
    // Queued buffers cannot be unprepared and keep the device from closing.
    EXPECT_EQ(0, out.UnprepareBuffer(2));
    EXPECT_EQ(0, out.Close());
    EXPECT_EQ("WaveOut::Close   *** There are still buffers in the queue", out.GetErrorText());

    EXPECT_TRUE(device.CompleteNext());
    EXPECT_TRUE(out.IsBufferDone(2));
    EXPECT_FALSE(out.IsBufferDone(0));
    EXPECT_EQ(1, out.UnprepareBuffer(2));
    EXPECT_EQ(1, out.Reset());
    EXPECT_TRUE(out.IsBufferDone(0));
    EXPECT_TRUE(out.IsBufferDone(1));
    EXPECT_EQ((std::vector<std::uintptr_t>{2, 0, 1}), completedUsers);
    EXPECT_EQ("c", device.Heard());
    EXPECT_EQ(1, out.Close());
}

TEST(WaveOutTest, PlayBufferReportsPrepareAndWriteFailures) {
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Manual);
    WaveOut out(device);
    ASSERT_EQ(1, out.Initialize(kWaveFormatPcm, 2, 48000, 16, 2, 120));
    EXPECT_EQ(0, out.PlayBuffer(0));  // device not open
    EXPECT_EQ("WaveOut::PlayBuffer   *** Can't prepare data", out.GetErrorText());
    ASSERT_EQ(1, out.OpenAudioOutput(kWaveMapper, nullptr, nullptr, kCallbackFunction));
    device.FailWriteWith(kMmSysErrNoMem);
    out.SetBufferLength(0, 0);
    EXPECT_EQ(0, out.PlayBuffer(0));
    EXPECT_EQ("WaveOut::PlayBuffer   *** Can't write data", out.GetErrorText());
    device.FailWriteWith(kMmSysErrNoError);
    // Pause and restart keep what is queued.
    EXPECT_EQ(1, out.Pause());
    out.GetBufferData(1)[0] = 'x';
    out.SetBufferLength(1, 1);
    EXPECT_EQ(1, out.PlayBuffer(1));
    EXPECT_EQ(1, out.Restart());
    EXPECT_EQ(1u, device.Queued());
    EXPECT_TRUE(device.CompleteNext());
    EXPECT_EQ("x", device.Heard());
}

}  // namespace
}  // namespace quivlane
