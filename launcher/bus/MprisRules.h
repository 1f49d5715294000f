#pragma once

#include <string>
#include <vector>

#include "launcher/bar/PlayerState.h"

namespace quivlane {

class Mp3Engine;

// What the desktop's media-player protocol sees of the MP3 folder player, and which of the
// player's menu commands each of its calls stands for. The bar's state stays the only truth:
// everything here is derived from it.
class MprisRules {
  public:
    enum class Status { Playing, Paused, Stopped };
    enum class Call { Play, Pause, PlayPause, Stop, Next, Previous };

    // The player's state at one moment.
    struct Snapshot {
        bool hasEngine = false;
        // The engine's own report: 1 playing, 2 stopped or closed, 4 paused.
        int engineStatus = 2;
        PlayerState::Mp3PlayState playState = PlayerState::Mp3PlayState::Idle;
        int fileCount = 0;
        int currentIndex = -1;
        // The file at currentIndex, or empty.
        std::string currentPath;
    };

    struct Capabilities {
        bool canGoNext = false;
        bool canGoPrevious = false;
        bool canPlay = false;
        bool canPause = false;
        bool operator==(const Capabilities&) const = default;
    };

    struct Track {
        // Empty when nothing has been opened yet.
        std::string path;
        std::string trackId;
        std::string title;
        std::vector<std::string> artists;
        std::string album;
        // 0 when unknown.
        long long lengthUs = 0;
        bool operator==(const Track&) const = default;
    };

    struct Properties {
        Status status = Status::Stopped;
        Track track;
        Capabilities capabilities;
        bool operator==(const Properties&) const = default;
    };

    static constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

    static Snapshot Observe(const PlayerState& state, const Mp3Engine* engine);
    static Status StatusOf(const Snapshot& snapshot);
    static const char* StatusName(Status status);
    static Capabilities CapabilitiesOf(const Snapshot& snapshot);
    // The menu command a call is carried out with, or 0 when it has nothing to do.
    static int CommandFor(Call call, const Snapshot& snapshot);
    // The current file's track: title, artist and album from its tags, else the file name as
    // title. Reads the file; nothing for a snapshot without a current file.
    static Track TrackOf(const Snapshot& snapshot);
    // The player's property names whose values differ, in a fixed order.
    static std::vector<std::string> Changed(const Properties& before, const Properties& after);
};

}  // namespace quivlane
