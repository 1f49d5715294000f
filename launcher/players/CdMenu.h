#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "launcher/bar/BarPorts.h"
#include "launcher/bar/BarView.h"
#include "launcher/bar/PlayerState.h"
#include "platform/cd/Mci.h"

namespace quivlane {

class CdAudioPlayer;

// The CD button: its pop-up menu, the menu's commands, the tick's restart of a disc that has
// played to its end, and the release of the player at the bar's end.
class CdMenu {
  public:
    static constexpr int kMenuResource = 144;
    static constexpr int kChooseDrive = 32776;
    static constexpr int kPlay = 32782;
    static constexpr int kReplayTrack = 32788;
    static constexpr int kPreviousTrack = 32785;
    static constexpr int kNextTrack = 32784;
    static constexpr int kPauseOrResume = 32780;
    static constexpr int kStop = 32781;
    static constexpr int kOpenOrClose = 32783;

    // The bar's one-second message line.
    using ShowMessageFn = std::function<void(const std::string& text)>;
    // A folder browser: the chosen file-system path, or "" when cancelled.
    using ChooseFolderFn =
        std::function<std::string(const std::string& instruction, const std::string& initial)>;

    CdMenu(BarView& view, const BarPorts& ports, Mci& mci, ShowMessageFn showMessage,
           ChooseFolderFn chooseFolder);
    ~CdMenu();
    CdMenu(const CdMenu&) = delete;
    CdMenu& operator=(const CdMenu&) = delete;

    static std::vector<MenuEntry> MenuEntries();

    // Menu 144 under the button; the chosen command is posted to the bar.
    void OpenMenu(int buttonId, PlayerState& state);
    // True when the command was a CD one.
    bool OnMenuCommand(int command, PlayerState& state);
    // The tick's CD step.
    void Tick(PlayerState& state);
    // Farewell: a playing CD is stopped; the player is released.
    void Stop(PlayerState& state);
    // Close request.
    void ReleaseAll(PlayerState& state);

    bool HasPlayer() const { return player_ != nullptr; }

  private:
    CdAudioPlayer& EnsurePlayer();
    bool DiscMissing();
    void ShowTrack(int track);
    void ChooseDrive();

    BarView& view_;
    BarPorts ports_;
    Mci& mci_;
    ShowMessageFn showMessage_;
    ChooseFolderFn chooseFolder_;
    std::unique_ptr<CdAudioPlayer> player_;
};

}  // namespace quivlane
