#include "launcher/bus/MprisRules.h"

#include "launcher/bus/TrackTags.h"
#include "launcher/players/Mp3FolderPlayer.h"
#include "media/Mp3Engine.h"

namespace quivlane {

namespace {

using PlayState = PlayerState::Mp3PlayState;

}  // namespace

MprisRules::Snapshot MprisRules::Observe(const PlayerState& state, const Mp3Engine* engine) {
    Snapshot snapshot;
    snapshot.hasEngine = engine != nullptr;
    snapshot.engineStatus = engine != nullptr ? engine->GetStatus() : 2;
    snapshot.playState = state.mp3PlayState;
    snapshot.fileCount = static_cast<int>(state.mp3Paths.size());
    if (state.lastMp3Index >= 0 && state.lastMp3Index < snapshot.fileCount) {
        snapshot.currentIndex = state.lastMp3Index;
        snapshot.currentPath = state.mp3Paths[static_cast<std::size_t>(state.lastMp3Index)];
    }
    return snapshot;
}

MprisRules::Status MprisRules::StatusOf(const Snapshot& snapshot) {
    if (!snapshot.hasEngine) {
        return Status::Stopped;
    }
    switch (snapshot.engineStatus) {
        case 1:
            return Status::Playing;
        case 4:
            return Status::Paused;
        default:
            return Status::Stopped;
    }
}

const char* MprisRules::StatusName(Status status) {
    switch (status) {
        case Status::Playing:
            return "Playing";
        case Status::Paused:
            return "Paused";
        case Status::Stopped:
            break;
    }
    return "Stopped";
}

MprisRules::Capabilities MprisRules::CapabilitiesOf(const Snapshot& snapshot) {
    Capabilities capabilities;
    const bool hasFiles = snapshot.fileCount > 0;
    // The menu's "Lecture" makes the engine itself; "Changer" and "Rejouer" need it made.
    capabilities.canPlay = hasFiles;
    capabilities.canPause = hasFiles && snapshot.hasEngine;
    capabilities.canGoNext = hasFiles && snapshot.hasEngine;
    capabilities.canGoPrevious = snapshot.hasEngine && snapshot.currentIndex >= 0;
    return capabilities;
}

int MprisRules::CommandFor(Call call, const Snapshot& snapshot) {
    const Capabilities can = CapabilitiesOf(snapshot);
    const Status status = StatusOf(snapshot);
    switch (call) {
        case Call::Play:
            // "Lecture" also resumes a paused file, and goes on from file to file.
            return can.canPlay && status != Status::Playing ? Mp3FolderPlayer::kPlay : 0;
        case Call::Pause:
            return can.canPause && status == Status::Playing ? Mp3FolderPlayer::kPauseResume : 0;
        case Call::PlayPause:
            return CommandFor(status == Status::Playing ? Call::Pause : Call::Play, snapshot);
        case Call::Stop:
            // Between two files the engine is stopped, yet the next tick starts another one.
            if (!can.canPlay ||
                (status == Status::Stopped && snapshot.playState != PlayState::Playing)) {
                return 0;
            }
            return Mp3FolderPlayer::kStop;
        case Call::Next:
            return can.canGoNext ? Mp3FolderPlayer::kChange : 0;
        case Call::Previous:
            return can.canGoPrevious ? Mp3FolderPlayer::kReplay : 0;
    }
    return 0;
}

MprisRules::Track MprisRules::TrackOf(const Snapshot& snapshot) {
    Track track;
    if (snapshot.currentIndex < 0 || snapshot.currentPath.empty()) {
        track.trackId = kNoTrack;
        return track;
    }
    track.path = snapshot.currentPath;
    track.trackId = "/org/quivlane/Quivlane/track/" + std::to_string(snapshot.currentIndex);
    const TrackTags tags = TrackTags::Read(snapshot.currentPath);
    track.title = tags.title;
    if (track.title.empty()) {
        const std::size_t slash = snapshot.currentPath.rfind('/');
        track.title = slash == std::string::npos ? snapshot.currentPath
                                                 : snapshot.currentPath.substr(slash + 1);
    }
    if (!tags.artist.empty()) {
        track.artists.push_back(tags.artist);
    }
    track.album = tags.album;
    track.lengthUs = tags.lengthMs * 1000;
    return track;
}

std::vector<std::string> MprisRules::Changed(const Properties& before, const Properties& after) {
    std::vector<std::string> names;
    if (before.status != after.status) {
        names.emplace_back("PlaybackStatus");
    }
    if (before.track != after.track) {
        names.emplace_back("Metadata");
    }
    const Capabilities& a = before.capabilities;
    const Capabilities& b = after.capabilities;
    if (a.canGoNext != b.canGoNext) {
        names.emplace_back("CanGoNext");
    }
    if (a.canGoPrevious != b.canGoPrevious) {
        names.emplace_back("CanGoPrevious");
    }
    if (a.canPlay != b.canPlay) {
        names.emplace_back("CanPlay");
    }
    if (a.canPause != b.canPause) {
        names.emplace_back("CanPause");
    }
    return names;
}

}  // namespace quivlane
