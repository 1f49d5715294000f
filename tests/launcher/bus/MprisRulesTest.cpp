#include "launcher/bus/MprisRules.h"

#include <gtest/gtest.h>

#include "launcher/players/Mp3FolderPlayer.h"
#include "tests/support/Mp3Fixtures.h"

namespace quivlane {
namespace {

using Call = MprisRules::Call;
using Status = MprisRules::Status;
using PlayState = PlayerState::Mp3PlayState;

// A folder of two files with the engine made; the rest as the test says.
MprisRules::Snapshot Player(int engineStatus, PlayState playState, int currentIndex) {
    PlayerState state;
    state.mp3Paths = {"/music/a.mp3", "/music/b.mp3"};
    state.mp3PlayState = playState;
    state.lastMp3Index = currentIndex;
    MprisRules::Snapshot snapshot = MprisRules::Observe(state, nullptr);
    snapshot.hasEngine = true;
    snapshot.engineStatus = engineStatus;
    return snapshot;
}

std::vector<int> Commands(const MprisRules::Snapshot& snapshot) {
    std::vector<int> commands;
    for (Call call :
         {Call::Play, Call::Pause, Call::PlayPause, Call::Stop, Call::Next, Call::Previous}) {
        commands.push_back(MprisRules::CommandFor(call, snapshot));
    }
    return commands;
}

constexpr int kPlay = Mp3FolderPlayer::kPlay;
constexpr int kToggle = Mp3FolderPlayer::kPauseResume;
constexpr int kStop = Mp3FolderPlayer::kStop;
constexpr int kChange = Mp3FolderPlayer::kChange;
constexpr int kReplay = Mp3FolderPlayer::kReplay;

// Play, Pause, PlayPause, Stop, Next, Previous in each state of the player: a call the menu
// would answer with "Pas de MP3", or that would toggle the wrong way, sends nothing.
TEST(MprisRulesTest, CallsBecomeTheMenuCommandsThePlayerStateAllows) {
    const MprisRules::Snapshot playing = Player(1, PlayState::Playing, 1);
    EXPECT_EQ(MprisRules::StatusOf(playing), Status::Playing);
    EXPECT_EQ(Commands(playing), (std::vector<int>{0, kToggle, kToggle, kStop, kChange, kReplay}));

    const MprisRules::Snapshot paused = Player(4, PlayState::Idle, 1);
    EXPECT_EQ(MprisRules::StatusOf(paused), Status::Paused);
    EXPECT_EQ(Commands(paused), (std::vector<int>{kPlay, 0, kPlay, kStop, kChange, kReplay}));

    // After "Arrêt": nothing to stop; "Rejouer" still has its file.
    const MprisRules::Snapshot stopped = Player(2, PlayState::Idle, 0);
    EXPECT_EQ(MprisRules::StatusOf(stopped), Status::Stopped);
    EXPECT_EQ(Commands(stopped), (std::vector<int>{kPlay, 0, kPlay, 0, kChange, kReplay}));

    // Between two files the engine is stopped, but the next tick would start another one.
    EXPECT_EQ(MprisRules::CommandFor(Call::Stop, Player(2, PlayState::Playing, 0)), kStop);

    // The menu opened, nothing played yet: no file to play again.
    const MprisRules::Snapshot fresh = Player(2, PlayState::Idle, -1);
    EXPECT_EQ(Commands(fresh), (std::vector<int>{kPlay, 0, kPlay, 0, kChange, 0}));
    EXPECT_EQ(MprisRules::CapabilitiesOf(fresh),
              (MprisRules::Capabilities{true, false, true, true}));

    // An index left from a replaced list names no file.
    PlayerState replaced;
    replaced.mp3Paths = {"/music/a.mp3"};
    replaced.lastMp3Index = 3;
    EXPECT_EQ(MprisRules::Observe(replaced, nullptr).currentIndex, -1);

    // A link without a folder: every call does nothing, and nothing says it could.
    const MprisRules::Snapshot empty = MprisRules::Observe(PlayerState{}, nullptr);
    EXPECT_EQ(MprisRules::StatusOf(empty), Status::Stopped);
    EXPECT_EQ(Commands(empty), (std::vector<int>(6, 0)));
    EXPECT_EQ(MprisRules::CapabilitiesOf(empty), MprisRules::Capabilities{});
}

// The metadata of the current file: its ID3 tags (UTF-16 text among them) and playing time,
// else its file name; and which properties a change must announce.
TEST(MprisRulesTest, TrackComesFromTheTagsOrTheFileNameAndChangesAreNamed) {
    using test::Mp3Fixtures;
    const std::string wav = Mp3Fixtures::MakeWav("mpris2s.wav", 22050, 1, 2.0);
    const std::string tagged =
        Mp3Fixtures::Encode("mpris-tagged.mp3", "lame", wav,
                            {"--quiet", "--id3v2-only", "--id3v2-utf16", "--tt",
                             "Chanson d\u2019\u00e9t\u00e9", "--ta", "Artiste", "--tl", "Album"});
    const std::string bare = Mp3Fixtures::Encode("mpris-bare.mp3", "lame", wav, {"--quiet"});

    PlayerState state;
    state.mp3Paths = {bare, tagged, "/no/such/dir/gone.mp3"};
    state.lastMp3Index = 1;
    const MprisRules::Track track = MprisRules::TrackOf(MprisRules::Observe(state, nullptr));
    EXPECT_EQ(track.path, tagged);
    EXPECT_EQ(track.trackId, "/org/quivlane/Quivlane/track/1");
    EXPECT_EQ(track.title, "Chanson d\u2019\u00e9t\u00e9");
    EXPECT_EQ(track.artists, std::vector<std::string>{"Artiste"});
    EXPECT_EQ(track.album, "Album");
    EXPECT_GT(track.lengthUs, 1'900'000);
    EXPECT_LT(track.lengthUs, 2'200'000);

    state.lastMp3Index = 0;
    const MprisRules::Track untagged = MprisRules::TrackOf(MprisRules::Observe(state, nullptr));
    EXPECT_EQ(untagged.title, "mpris-bare.mp3");
    EXPECT_TRUE(untagged.artists.empty());
    EXPECT_TRUE(untagged.album.empty());
    EXPECT_GT(untagged.lengthUs, 1'900'000);

    state.lastMp3Index = 2;
    const MprisRules::Track gone = MprisRules::TrackOf(MprisRules::Observe(state, nullptr));
    EXPECT_EQ(gone.title, "gone.mp3");
    EXPECT_EQ(gone.lengthUs, 0);

    state.lastMp3Index = -1;
    EXPECT_EQ(MprisRules::TrackOf(MprisRules::Observe(state, nullptr)).trackId,
              MprisRules::kNoTrack);

    MprisRules::Properties before;
    before.track = untagged;
    MprisRules::Properties after = before;
    EXPECT_TRUE(MprisRules::Changed(before, after).empty());
    after.status = Status::Playing;
    after.track = track;
    after.capabilities.canGoPrevious = true;
    after.capabilities.canPause = true;
    EXPECT_EQ(
        MprisRules::Changed(before, after),
        (std::vector<std::string>{"PlaybackStatus", "Metadata", "CanGoPrevious", "CanPause"}));
}

}  // namespace
}  // namespace quivlane
