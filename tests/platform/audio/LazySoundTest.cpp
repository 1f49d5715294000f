#include "platform/audio/LazySound.h"

#include <gtest/gtest.h>

#include <memory>

#include "tests/support/FakePorts.h"

namespace quivlane::test {
namespace {

TEST(LauncherLazySoundTest, OpensTheDeviceAtTheFirstSoundOnly) {
    int opened = 0;
    RecordingSound* real = nullptr;
    LazySound sound([&] {
        ++opened;
        auto made = std::make_unique<RecordingSound>();
        real = made.get();
        return made;
    });
    EXPECT_EQ(opened, 0);
    EXPECT_FALSE(sound.Opened());

    sound.Beep(200, 100);
    EXPECT_TRUE(sound.PlayWaveAsync("alarme.wav"));
    sound.Beep(100, 150);
    EXPECT_EQ(opened, 1);
    ASSERT_NE(real, nullptr);
    EXPECT_EQ(real->beeps, (std::vector<RecordingSound::BeepCall>{{200, 100}, {100, 150}}));
    EXPECT_EQ(real->waves, (std::vector<std::string>{"alarme.wav"}));

    real->waveResult = false;
    EXPECT_FALSE(sound.PlayWaveAsync("absent.wav"));
}

}  // namespace
}  // namespace quivlane::test
