#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "launcher/bar/BarController.h"
#include "launcher/players/Mp3FolderPlayer.h"
#include "media/Mp3Engine.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"
#include "tests/support/Mp3Fixtures.h"
#include "tests/support/QueuedChoosers.h"
#include "tests/support/ScriptedWaveOutDevice.h"
#include "tests/support/TempDir.h"

namespace quivlane::test {

// A bar without a window, its MP3 player on a device whose buffers finish only when told,
// and draws of the random generator given by the test.
class Mp3PlayerFixture : public ::testing::Test {
  protected:
    static constexpr int kButton = 1002;  // "BOUTON3"
    static constexpr int kRateA = 22050;
    static constexpr int kRateB = 32000;

    // Two short files told apart by their sample rate.
    static std::string FileA() {
        const std::string wav = Mp3Fixtures::MakeWav("player22.wav", 22050, 1, 0.3);
        return Mp3Fixtures::Encode("player22.mp3", "lame", wav,
                                   {"--quiet", "-m", "m", "-b", "32", "--resample", "22.05"});
    }
    static std::string FileB() {
        const std::string wav = Mp3Fixtures::MakeWav("player32.wav", 32000, 1, 0.3);
        return Mp3Fixtures::Encode("player32.mp3", "lame", wav,
                                   {"--quiet", "-m", "m", "-b", "48", "--resample", "32"});
    }
    // A folder inside the temporary directory holding copies of the given files.
    std::string Folder(const std::string& name,
                       const std::vector<std::pair<std::string, std::string>>& files) {
        const std::filesystem::path folder = dir.Path() / name;
        std::filesystem::create_directories(folder);
        for (const auto& [target, source] : files) {
            std::filesystem::copy_file(source, folder / target);
        }
        return folder.string();
    }

    void Draws(std::initializer_list<int> values) { draws.insert(draws.end(), values); }
    // Texts painted on the display that hold `text` (messages are centred with blanks).
    int Shown(const std::string& text) const {
        return static_cast<int>(std::count_if(
            view.painted.begin(), view.painted.end(),
            [&](const std::string& painted) { return painted.find(text) != std::string::npos; }));
    }
    bool AnyMessage() const { return !view.painted.empty(); }

    void Command(int command) { ASSERT_TRUE(player.OnMenuCommand(command, state)); }
    // The engine opens the device on its own thread.
    void WaitForOpens(int opens) {
        while (device.Opens() < opens) {
            std::this_thread::yield();
        }
    }
    // Lets the engine's run end by finishing every buffer it queues.
    void FinishPlaying() {
        const int closes = device.Closes();
        ASSERT_EQ(1, player.Engine()->GetStatus());
        while (device.Closes() == closes) {
            if (!device.CompleteNext()) {
                std::this_thread::yield();
            }
        }
        device.WaitForCloses(closes + 1);
        ASSERT_EQ(2, player.Engine()->GetStatus());
    }

    TempDir dir;
    RecordingBarView view;
    MapSettingsStore settings;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    BarController bar{view, settings, BarPorts{clock, shell, sound, power, boxes}};
    ScriptedWaveOutDevice device{ScriptedWaveOutDevice::Mode::Manual};
    QueuedChoosers choosers;
    std::deque<int> draws;
    int drawCount = 0;
    Mp3FolderPlayer player{bar, settings, device, clock, choosers, [this] {
                               ++drawCount;
                               EXPECT_FALSE(draws.empty()) << "more draws than scripted";
                               if (draws.empty()) {
                                   return 0;
                               }
                               const int value = draws.front();
                               draws.pop_front();
                               return value;
                           }};
    PlayerState& state = bar.Players();
};

}  // namespace quivlane::test
