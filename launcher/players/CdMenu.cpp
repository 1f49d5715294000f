#include "launcher/players/CdMenu.h"

#include <cstdio>

#include "launcher/players/CdAudioPlayer.h"

namespace quivlane {

CdMenu::CdMenu(BarView& view, const BarPorts& ports, Mci& mci, ShowMessageFn showMessage,
               ChooseFolderFn chooseFolder)
    : view_(view),
      ports_(ports),
      mci_(mci),
      showMessage_(std::move(showMessage)),
      chooseFolder_(std::move(chooseFolder)) {}

CdMenu::~CdMenu() = default;

std::vector<MenuEntry> CdMenu::MenuEntries() {
    return {
        {kChooseDrive, "Lecteur CD"},
        {kPlay, "Lecture"},
        {kReplayTrack, "Rejouer piste"},
        {kPreviousTrack, "<- Précédente"},
        {kNextTrack, "Suivante ->"},
        {kPauseOrResume, "Pause/Reprise"},
        {kStop, "Arrêt"},
        {kOpenOrClose, "Ouvre/Ferme"},
    };
}

void CdMenu::OpenMenu(int buttonId, PlayerState& /*state*/) {
    const int command = view_.ShowMenuUnderButton(buttonId, MenuEntries());
    if (command != 0) {
        view_.PostCommand(command);
    }
}

CdAudioPlayer& CdMenu::EnsurePlayer() {
    if (!player_) {
        player_ = std::make_unique<CdAudioPlayer>(mci_, ports_.messageBoxes);
    }
    return *player_;
}

bool CdMenu::DiscMissing() {
    if (player_->IsMediaPresent()) {
        return false;
    }
    showMessage_("Pas de disque");
    return true;
}

void CdMenu::ShowTrack(int track) {
    char text[32];
    std::snprintf(text, sizeof text, "   Piste %2.2d   ", track);
    showMessage_(text);
}

bool CdMenu::OnMenuCommand(int command, PlayerState& state) {
    switch (command) {
        case kChooseDrive:
        case kPlay:
        case kReplayTrack:
        case kPreviousTrack:
        case kNextTrack:
        case kPauseOrResume:
        case kStop:
        case kOpenOrClose:
            break;
        default:
            return false;
    }
    CdAudioPlayer& player = EnsurePlayer();

    switch (command) {
        case kChooseDrive:
            ChooseDrive();
            break;
        case kPlay:
            state.cdLastPosition = -1;
            if (player.IsMediaPresent()) {
                player.Play();
                state.cdLastPosition = player.GetPositionSeconds();
                showMessage_("Lecture CD");
            } else {
                player_.reset();
                showMessage_("Pas de disque");
            }
            break;
        case kPauseOrResume:
            if (DiscMissing()) {
                break;
            }
            if (player.IsPlaying()) {
                player.Pause();
                showMessage_("CD en pause");
            } else {
                player.Play();
                showMessage_("Reprise CD");
            }
            break;
        case kStop:
            if (DiscMissing()) {
                break;
            }
            if (player.IsPlaying()) {
                player.Stop();
                showMessage_("Arret CD");
            }
            break;
        case kPreviousTrack:
        case kNextTrack:
            if (DiscMissing()) {
                break;
            }
            if (player.IsPlaying()) {
                if (command == kPreviousTrack) {
                    player.PrevTrack();
                } else {
                    player.NextTrack();
                }
                state.cdLastPosition = player.GetPositionSeconds();
                ShowTrack(player.GetCurrentTrack());
            }
            break;
        case kReplayTrack:
            if (DiscMissing()) {
                break;
            }
            if (player.IsPlaying()) {
                const int track = player.GetCurrentTrack();
                if (state.cdLastPosition > 0) {
                    player.PlayFrom(static_cast<int>(state.cdLastPosition));
                }
                ShowTrack(track);
            }
            break;
        case kOpenOrClose:
            player.ToggleDoor();
            showMessage_("Ouvre/Ferme");
            break;
        default:
            break;
    }
    return true;
}

void CdMenu::ChooseDrive() {
    if (!chooseFolder_) {
        return;
    }
    const std::string path =
        chooseFolder_("Sélectionnez le lecteur de CD", "Choix du lecteur de CD");
    if (path.empty()) {
        return;
    }
    std::string answer;
    mci_.SendString("open " + path + " type cdaudio alias CDDriveName", answer, 0);
    ports_.clock.Wait(1000);
    if (!player_->IsMediaPresent()) {
        player_.reset();
        showMessage_("Pas de disque");
    }
}

void CdMenu::Tick(PlayerState& state) {
    if (!player_ || !player_->IsStopped()) {
        return;
    }
    const int count = player_->GetTrackCount();
    // A failed count and a failed track number are both 0; that is no finished disc, and
    // restarting on it would raise an error box every second.
    if (count > 0 && count == player_->GetCurrentTrack()) {
        player_->PlayFrom(2);
        state.cdLastPosition = player_->GetPositionSeconds();
    }
}

void CdMenu::Stop(PlayerState& /*state*/) {
    if (!player_) {
        return;
    }
    if (player_->IsPlaying()) {
        player_->Stop();
    }
    player_.reset();
}

void CdMenu::ReleaseAll(PlayerState& state) {
    Stop(state);
}

}  // namespace quivlane
