#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launcher/bar/BarView.h"
#include "launcher/bar/PlayerState.h"

namespace quivlane {

class BarController;
class Choosers;
class Clock;
class Mp3Engine;
class SettingsStore;
class WaveOutDevice;

// The MP3 jukebox of a "LECTEUR_MP3" button: one folder's MP3 files in random order, driven
// by its pop-up menu and by the bar's one-second tick. Messages go to the bar's display.
class Mp3FolderPlayer {
  public:
    static constexpr int kChooseFolder = 32771;
    static constexpr int kStop = 32773;
    static constexpr int kPauseResume = 32774;
    static constexpr int kPlay = 32775;
    static constexpr int kChange = 32786;
    static constexpr int kReplay = 32787;
    static constexpr int kLookAheadMs = 10000;

    // Values 0..32767, like the C runtime's rand().
    using RandomSource = std::function<int()>;

    // The engine is made on `device` at first use, not before, so the bar starts without
    // opening any audio. Everything passed in must outlive the player.
    Mp3FolderPlayer(BarController& bar, SettingsStore& settings, WaveOutDevice& device,
                    Clock& clock, Choosers& choosers, RandomSource random);
    ~Mp3FolderPlayer();
    Mp3FolderPlayer(const Mp3FolderPlayer&) = delete;
    Mp3FolderPlayer& operator=(const Mp3FolderPlayer&) = delete;

    // Menu 143, in its order.
    static const std::vector<MenuEntry>& Menu();
    static bool IsMenuCommand(int command);

    // A click on the button: the folder is already in the state (set from the link).
    void OpenMenu(int buttonId, PlayerState& state);
    // False when the command is not one of the menu's.
    bool OnMenuCommand(int command, PlayerState& state);
    // The MP3 step of the tick.
    void Tick(PlayerState& state);
    // Close request: the list is emptied, the engine stopped and deleted.
    void Release(PlayerState& state);

    void EnsureEngine();
    Mp3Engine* Engine() const { return engine_.get(); }

    // The folder's "*.mp3" regular files (or links to one) as folder + "/" + name, in the
    // directory's own order. Nothing for an empty or unreadable folder.
    static std::vector<std::string> Scan(const std::string& folder);
    // A random index of `count`, avoiding `current` when count >= 2 (200 draws at most).
    static int RandomPick(int count, int current, const RandomSource& random);
    // A generator seeded once, as the bar does with the time at start.
    static RandomSource SeededRandom(unsigned seed);

  private:
    void ChooseFolder(PlayerState& state);
    void Play(PlayerState& state);
    void RequestState(PlayerState& state, PlayerState::Mp3PlayState request);
    void Change(PlayerState& state);
    void Replay(PlayerState& state);
    // Stop, close, open `path`, wait for the look-ahead to fill, play. False when there is
    // no sound output (already said on the display).
    bool Restart(const std::string& path, PlayerState& state);
    // After a failed Play: when the output was what failed, says so and stops moving on.
    bool NoOutput(PlayerState& state);

    BarController& bar_;
    SettingsStore& settings_;
    WaveOutDevice& device_;
    Clock& clock_;
    Choosers& choosers_;
    RandomSource random_;
    std::unique_ptr<Mp3Engine> engine_;
    int buttonId_ = -1;
};

}  // namespace quivlane
