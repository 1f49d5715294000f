#include "launcher/players/Mp3FolderPlayer.h"

#include <filesystem>
#include <optional>
#include <random>
#include <system_error>

#include "config/ConfigFile.h"
#include "config/LinkFormats.h"
#include "config/SettingsStore.h"
#include "launcher/bar/BarController.h"
#include "media/Mp3Engine.h"
#include "platform/clock/Clock.h"
#include "platform/dialogs/Choosers.h"

namespace quivlane {

namespace {

using PlayState = PlayerState::Mp3PlayState;

constexpr int kMaxDraws = 200;

bool HasMp3Extension(const std::string& name) {
    // The host's "*.mp3" match ignores case.
    static constexpr char kExtension[] = ".mp3";
    constexpr std::size_t length = sizeof kExtension - 1;
    if (name.size() < length) {
        return false;
    }
    for (std::size_t i = 0; i < length; ++i) {
        char c = name[name.size() - length + i];
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
        if (c != kExtension[i]) {
            return false;
        }
    }
    return true;
}

bool ValidIndex(const PlayerState& state, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < state.mp3Paths.size();
}

}  // namespace

Mp3FolderPlayer::Mp3FolderPlayer(BarController& bar, SettingsStore& settings, WaveOutDevice& device,
                                 Clock& clock, Choosers& choosers, RandomSource random)
    : bar_(bar),
      settings_(settings),
      device_(device),
      clock_(clock),
      choosers_(choosers),
      random_(std::move(random)) {}

Mp3FolderPlayer::~Mp3FolderPlayer() = default;

const std::vector<MenuEntry>& Mp3FolderPlayer::Menu() {
    static const std::vector<MenuEntry> entries{
        {kChooseFolder, "Choisir dossier"}, {kPlay, "Lecture"},
        {kPauseResume, "Pause/Reprise"},    {kReplay, "Rejouer le MP3"},
        {kChange, "Changer de MP3"},        {kStop, "Arrêt"},
    };
    return entries;
}

bool Mp3FolderPlayer::IsMenuCommand(int command) {
    for (const MenuEntry& entry : Menu()) {
        if (entry.command == command) {
            return true;
        }
    }
    return false;
}

void Mp3FolderPlayer::EnsureEngine() {
    if (!engine_) {
        engine_ = std::make_unique<Mp3Engine>(device_);
    }
}

void Mp3FolderPlayer::OpenMenu(int buttonId, PlayerState& state) {
    EnsureEngine();
    buttonId_ = buttonId;
    if (state.mp3Paths.empty()) {
        state.mp3Paths = Scan(state.mp3Folder);
    }
    bar_.RunMenuUnderButton(buttonId, Menu());
}

bool Mp3FolderPlayer::OnMenuCommand(int command, PlayerState& state) {
    switch (command) {
        case kChooseFolder:
            ChooseFolder(state);
            return true;
        case kPlay:
            Play(state);
            return true;
        case kPauseResume:
            RequestState(state, PlayState::PauseOrResumeRequested);
            return true;
        case kStop:
            RequestState(state, PlayState::StopRequested);
            return true;
        case kChange:
            Change(state);
            return true;
        case kReplay:
            Replay(state);
            return true;
        default:
            return false;
    }
}

void Mp3FolderPlayer::ChooseFolder(PlayerState& state) {
    const std::optional<std::string> chosen = choosers_.ChooseFolder(
        "Sélectionnez le dossier contenant les MP3", state.mp3Folder, UserFolder::Music);
    if (!chosen || chosen->empty()) {
        return;
    }
    std::vector<std::string> found = Scan(*chosen);
    if (found.empty()) {
        // The list in use stays as it is; rescanning the current folder could bring back
        // a different one, as the folder follows the button's link rather than the list.
        clock_.Wait(1000);
        bar_.ShowMessage("Pas de MP3");
        return;
    }
    state.mp3Paths = std::move(found);
    // The old index points into a list that is gone.
    state.lastMp3Index = -1;
    state.mp3Folder = *chosen;
    if (buttonId_ >= BarController::kFirstButtonId && buttonId_ <= BarController::kLastButtonId) {
        settings_.SetPath(bar_.ConfigPath());
        // Only while the button is still the jukebox: the editor may have changed it since.
        const std::string link = LinkFormats::FormatMp3Link(*chosen);
        settings_.ChangeValue(ButtonSection(buttonId_ - BarController::kFirstButtonId + 1),
                              config::kLien, [&link](const std::optional<std::string>& current) {
                                  return current && !LinkFormats::IsMp3Link(*current)
                                             ? std::nullopt
                                             : std::optional<std::string>(link);
                              });
    }
    if (engine_) {
        engine_->Stop();
        engine_->Close();
        clock_.Wait(1000);
        Play(state);
    }
}

void Mp3FolderPlayer::Play(PlayerState& state) {
    if (state.mp3Paths.empty()) {
        bar_.ShowMessage("Pas de MP3");
        return;
    }
    EnsureEngine();
    state.mp3PlayState = PlayState::Playing;
    const int pick =
        RandomPick(static_cast<int>(state.mp3Paths.size()), state.lastMp3Index, random_);
    // With a file already open the open fails and Play carries on with that file, which
    // then stays the current one.
    const bool opened = engine_->OpenMp3File(state.mp3Paths[pick], kLookAheadMs, 0, 0) != 0;
    const bool started = engine_->Play() != 0;
    if (opened) {
        state.lastMp3Index = pick;
    }
    // Play also resumes a paused file.
    state.mp3Paused = false;
    if (!started && NoOutput(state)) {
        return;
    }
    bar_.ShowMessage("Lecture MP3");
}

bool Mp3FolderPlayer::NoOutput(PlayerState& state) {
    if (!engine_->OutputFailed()) {
        return false;
    }
    // Every file would fail alike: moving on each tick would only flash the display.
    state.mp3PlayState = PlayState::Idle;
    bar_.ShowMessage("Pas de son");
    return true;
}

void Mp3FolderPlayer::RequestState(PlayerState& state, PlayerState::Mp3PlayState request) {
    if (state.mp3Paths.empty()) {
        bar_.ShowMessage("Pas de MP3");
        return;
    }
    state.mp3PlayState = request;
}

bool Mp3FolderPlayer::Restart(const std::string& path, PlayerState& state) {
    engine_->Stop();
    engine_->Close();
    engine_->OpenMp3File(path, kLookAheadMs, 0, 0);
    clock_.Wait(500);
    return engine_->Play() != 0 || !NoOutput(state);
}

void Mp3FolderPlayer::Change(PlayerState& state) {
    if (!engine_) {
        return;
    }
    if (state.mp3Paths.empty()) {
        bar_.ShowMessage("Pas de MP3");
        return;
    }
    const int pick =
        RandomPick(static_cast<int>(state.mp3Paths.size()), state.lastMp3Index, random_);
    const bool heard = Restart(state.mp3Paths[pick], state);
    state.lastMp3Index = pick;
    state.mp3Paused = false;
    if (heard) {
        bar_.ShowMessage("Changement MP3");
    }
}

void Mp3FolderPlayer::Replay(PlayerState& state) {
    if (!engine_) {
        return;
    }
    if (state.mp3Paths.empty()) {
        bar_.ShowMessage("Pas de MP3");
        return;
    }
    if (!ValidIndex(state, state.lastMp3Index)) {
        return;
    }
    const bool heard = Restart(state.mp3Paths[state.lastMp3Index], state);
    state.mp3Paused = false;
    if (heard) {
        bar_.ShowMessage("Rejoue MP3");
    }
}

void Mp3FolderPlayer::Tick(PlayerState& state) {
    switch (state.mp3PlayState) {
        case PlayState::PauseOrResumeRequested:
            state.mp3PlayState = PlayState::Idle;
            if (engine_) {
                if (state.mp3Paused) {
                    engine_->Resume();
                    state.mp3Paused = false;
                    bar_.ShowMessage("Reprise MP3");
                } else {
                    engine_->Pause();
                    state.mp3Paused = true;
                    bar_.ShowMessage("MP3 en pause");
                }
            }
            break;
        case PlayState::StopRequested:
            if (engine_) {
                engine_->Stop();
                state.mp3PlayState = PlayState::Idle;
                bar_.ShowMessage("Arret MP3");
            }
            break;
        case PlayState::Playing:
            if (engine_ && !state.mp3Paths.empty() && engine_->GetStatus() == 2) {
                bar_.ShowMessage("MP3 suivant");
                const int pick = RandomPick(static_cast<int>(state.mp3Paths.size()),
                                            state.lastMp3Index, random_);
                Restart(state.mp3Paths[pick], state);
                state.lastMp3Index = pick;
                state.mp3Paused = false;
            }
            break;
        case PlayState::Idle:
            break;
    }
}

void Mp3FolderPlayer::Release(PlayerState& state) {
    state.mp3Paths.clear();
    state.lastMp3Index = -1;
    if (engine_) {
        engine_->Stop();
        engine_.reset();
    }
}

std::vector<std::string> Mp3FolderPlayer::Scan(const std::string& folder) {
    std::vector<std::string> paths;
    // An empty or missing folder lists nothing (not whatever directory happens to be current).
    if (folder.empty()) {
        return paths;
    }
    std::error_code error;
    std::filesystem::directory_iterator it(folder, error);
    if (error) {
        return paths;
    }
    for (const std::filesystem::directory_iterator end; it != end; it.increment(error)) {
        if (error) {
            break;
        }
        const std::string name = it->path().filename().string();
        if (!HasMp3Extension(name)) {
            continue;
        }
        // Regular files only, links followed: opening a named pipe would wait for a writer.
        std::error_code typeError;
        if (!it->is_regular_file(typeError)) {
            continue;
        }
        paths.push_back(folder + "/" + name);
    }
    return paths;
}

int Mp3FolderPlayer::RandomPick(int count, int current, const RandomSource& random) {
    if (count < 2) {
        return 0;
    }
    int pick = 0;
    for (int draw = 0; draw < kMaxDraws; ++draw) {
        pick = static_cast<int>(static_cast<long long>(random() & 0x7FFF) * count / 32768);
        if (pick != current) {
            break;
        }
    }
    return pick;
}

Mp3FolderPlayer::RandomSource Mp3FolderPlayer::SeededRandom(unsigned seed) {
    auto engine = std::make_shared<std::minstd_rand>(seed);
    return [engine] { return static_cast<int>((*engine)() % 32768U); };
}

}  // namespace quivlane
