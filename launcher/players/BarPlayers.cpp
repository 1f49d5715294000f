#include "launcher/players/BarPlayers.h"

#include "launcher/players/CdMenu.h"
#include "launcher/players/Mp3FolderPlayer.h"

namespace quivlane {

void BarPlayers::OpenMp3Menu(int buttonId, PlayerState& state) {
    mp3_.OpenMenu(buttonId, state);
    if (watcher_) {
        watcher_(true);
    }
}

void BarPlayers::OpenCdMenu(int buttonId, PlayerState& state) {
    mp3_.EnsureEngine();
    if (cd_ != nullptr) {
        cd_->OpenMenu(buttonId, state);
    }
}

void BarPlayers::OnMenuCommand(int command, PlayerState& state) {
    if (mp3_.OnMenuCommand(command, state)) {
        if (watcher_) {
            watcher_(false);
        }
        return;
    }
    if (cd_ != nullptr) {
        cd_->OnMenuCommand(command, state);
    }
}

void BarPlayers::Tick(PlayerState& state) {
    mp3_.Tick(state);
    if (watcher_) {
        watcher_(false);
    }
    if (cd_ != nullptr) {
        cd_->Tick(state);
    }
}

void BarPlayers::StopCd(PlayerState& state) {
    if (cd_ != nullptr) {
        cd_->Stop(state);
    }
}

void BarPlayers::ReleaseAll(PlayerState& state) {
    mp3_.Release(state);
    if (watcher_) {
        watcher_(false);
    }
    if (cd_ != nullptr) {
        cd_->ReleaseAll(state);
    }
}

}  // namespace quivlane
