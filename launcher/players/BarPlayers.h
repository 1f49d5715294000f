#pragma once

#include <functional>
#include <utility>

#include "launcher/bar/PlayerPort.h"

namespace quivlane {

class CdMenu;
class Mp3FolderPlayer;

// The bar's players: the MP3 side here, the CD side handed to the CD menu when there is one.
class BarPlayers final : public PlayerPort {
  public:
    explicit BarPlayers(Mp3FolderPlayer& mp3, CdMenu* cd = nullptr) : mp3_(mp3), cd_(cd) {}

    void SetCdMenu(CdMenu* cd) { cd_ = cd; }
    // Told after anything that may have changed the MP3 side; true when its menu was opened.
    using Mp3Watcher = std::function<void(bool menuOpened)>;
    void SetMp3Watcher(Mp3Watcher watcher) { watcher_ = std::move(watcher); }

    void OpenMp3Menu(int buttonId, PlayerState& state) override;
    void OpenCdMenu(int buttonId, PlayerState& state) override;
    void OnMenuCommand(int command, PlayerState& state) override;
    void Tick(PlayerState& state) override;
    void StopCd(PlayerState& state) override;
    void ReleaseAll(PlayerState& state) override;

  private:
    Mp3FolderPlayer& mp3_;
    CdMenu* cd_;
    Mp3Watcher watcher_;
};

}  // namespace quivlane
