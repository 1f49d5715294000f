// The MP3 folder player under arbitrary sequences of clicks, menu commands, ticks, folder
// choices, finished buffers and random draws: nothing crashes, the current index always points
// into the list, and every message fits the display.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "launcher/bar/BarController.h"
#include "launcher/bar/TextRules.h"
#include "launcher/players/Mp3FolderPlayer.h"
#include "media/Mp3Engine.h"
#include "tests/support/BarFakes.h"
#include "tests/support/FakePorts.h"
#include "tests/support/QueuedChoosers.h"
#include "tests/support/ScriptedWaveOutDevice.h"
#include "tests/support/SyntheticMp3.h"

using namespace quivlane;
using namespace quivlane::test;

namespace {

struct Folders {
    std::string good;
    std::string single;
    std::string empty;
    std::string missing;
};

void WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

// Made once per process; the fuzzer never removes them while it runs.
const Folders& MakeFolders() {
    static const Folders folders = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "quivlane-fuzz-mp3-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        const std::filesystem::path root(pattern);
        Folders made{(root / "good").string(), (root / "single").string(),
                     (root / "empty").string(), (root / "missing").string()};
        std::filesystem::create_directories(made.good);
        std::filesystem::create_directories(made.single);
        std::filesystem::create_directories(std::filesystem::path(made.empty) / "dir.mp3");
        const std::uint32_t header = SyntheticMp3::Header(3, 9, 0);
        WriteBytes(std::filesystem::path(made.good) / "long.mp3", SyntheticMp3::Frames(header, 40));
        WriteBytes(std::filesystem::path(made.good) / "short.mp3", SyntheticMp3::Frames(header, 3));
        WriteBytes(std::filesystem::path(made.good) / "broken.mp3", "not an mp3");
        WriteBytes(std::filesystem::path(made.single) / "only.MP3",
                   SyntheticMp3::Frames(SyntheticMp3::Header(2, 4, 1, 3), 8));
        return made;
    }();
    return folders;
}

const std::string& FolderFor(std::uint8_t byte) {
    const Folders& folders = MakeFolders();
    static const std::string none;
    switch (byte % 5) {
        case 0:
            return folders.good;
        case 1:
            return folders.single;
        case 2:
            return folders.empty;
        case 3:
            return folders.missing;
        default:
            return none;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MakeFolders();
    RecordingBarView view;
    MapSettingsStore settings;
    ManualClock clock;
    RecordingShell shell;
    RecordingSound sound;
    RecordingPower power;
    ScriptedMessageBoxes boxes;
    BarController bar(view, settings, BarPorts{clock, shell, sound, power, boxes});
    bar.StartUp("/fuzz/Quivlane.xml");
    ScriptedWaveOutDevice device(ScriptedWaveOutDevice::Mode::Manual);
    QueuedChoosers choosers;
    std::size_t at = 0;
    const auto next = [&]() -> std::uint8_t { return at < size ? data[at++] : 0; };
    Mp3FolderPlayer player(bar, settings, device, clock, choosers, [&] {
        // Out-of-range values too: the pick must stay inside the list.
        return static_cast<int>(next()) * 1000 - 100;
    });
    PlayerState& state = bar.Players();

    static constexpr int kCommands[] = {Mp3FolderPlayer::kChooseFolder, Mp3FolderPlayer::kPlay,
                                        Mp3FolderPlayer::kPauseResume,  Mp3FolderPlayer::kStop,
                                        Mp3FolderPlayer::kChange,       Mp3FolderPlayer::kReplay};

    for (int step = 0; step < 48 && at < size; ++step) {
        const std::uint8_t op = next();
        switch (op % 8) {
            case 0:
                state.mp3Folder = FolderFor(next());
                player.OpenMenu(1000 + next() % 19, state);
                break;
            case 1:
                if (next() % 3 == 0) {
                    choosers.answers.push_back(std::nullopt);
                } else {
                    choosers.answers.push_back(FolderFor(next()));
                }
                player.OnMenuCommand(Mp3FolderPlayer::kChooseFolder, state);
                choosers.answers.clear();
                break;
            case 2:
            case 3:
                player.OnMenuCommand(kCommands[next() % 6], state);
                break;
            case 4:
            case 5:
                player.Tick(state);
                break;
            case 6:
                for (int n = next() % 8; n > 0 && device.CompleteNext(); --n) {
                }
                break;
            default:
                if (op == 255) {
                    player.Release(state);
                }
                break;
        }
        if (state.lastMp3Index < -1 ||
            (state.lastMp3Index >= 0 &&
             static_cast<std::size_t>(state.lastMp3Index) >= state.mp3Paths.size())) {
            std::abort();
        }
        if (player.Engine() != nullptr) {
            const int status = player.Engine()->GetStatus();
            if (status != 1 && status != 2 && status != 4) {
                std::abort();
            }
        }
    }
    for (const std::string& text : view.painted) {
        if (TextRules::CharacterCount(text) > TextRules::kDisplayCells) {
            std::abort();
        }
    }
    return 0;
}
