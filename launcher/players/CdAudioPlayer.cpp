#include "launcher/players/CdAudioPlayer.h"

#include <cstdio>

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

constexpr std::size_t kShortAnswer = 16;
constexpr std::size_t kTrackAnswer = 32;
constexpr std::size_t kModeAnswer = 64;
// The host's error texts come through a 128-byte buffer.
constexpr std::size_t kErrorTextLimit = 127;

// Digits at [first, first + count), or -1 when any is missing or not a digit.
int TwoDigitField(const std::string& text, std::size_t first) {
    if (text.size() < first + 2) {
        return -1;
    }
    int value = 0;
    for (std::size_t i = first; i < first + 2; ++i) {
        const char c = text[i];
        if (c < '0' || c > '9') {
            return -1;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

}  // namespace

CdAudioPlayer::CdAudioPlayer(Mci& mci, MessageBoxes& messageBoxes)
    : mci_(mci), messageBoxes_(messageBoxes) {
    std::string answer;
    SendQuiet("open cdaudio", answer, 0);
}

CdAudioPlayer::~CdAudioPlayer() {
    if (!IsReady()) {
        return;
    }
    std::string answer;
    if (IsPaused() || IsPlaying()) {
        SendQuiet("stop cdaudio", answer, 0);
    }
    SendQuiet("close cdaudio", answer, 0);
}

std::uint32_t CdAudioPlayer::SendQuiet(const std::string& command, std::string& answer,
                                       std::size_t answerSize) {
    answer.clear();
    lastResult_ = mci_.SendString(command, answer, answerSize);
    return lastResult_;
}

std::uint32_t CdAudioPlayer::SendReported(const std::string& command, std::string& answer,
                                          std::size_t answerSize) {
    const std::uint32_t result = SendQuiet(command, answer, answerSize);
    if (result == 0) {
        reported_.erase(command);
    } else {
        Report(command, result);
    }
    return result;
}

void CdAudioPlayer::Report(const std::string& command, std::uint32_t code) {
    // The box runs its own event loop and the tick goes on asking the same failing question:
    // one box at a time, and a failure that repeats is told again only after that command
    // has worked in between.
    if (boxOpen_) {
        return;
    }
    if (const auto found = reported_.find(command);
        found != reported_.end() && found->second == code) {
        return;
    }
    reported_[command] = code;
    std::string text(TextEncoding::Utf8PrefixWithin(mci_.ErrorString(code), kErrorTextLimit));
    if (text.empty()) {
        text = "Unknown error";
    }
    struct OpenBox {
        bool& flag;
        explicit OpenBox(bool& f) : flag(f) { flag = true; }
        ~OpenBox() { flag = false; }
        OpenBox(const OpenBox&) = delete;
        OpenBox& operator=(const OpenBox&) = delete;
    } open(boxOpen_);
    messageBoxes_.Show(text, "MCI Error", MessageIcon::Error);
}

std::uint32_t CdAudioPlayer::SendReported(const std::string& command) {
    std::string answer;
    return SendReported(command, answer, 0);
}

bool CdAudioPlayer::IsMediaPresent() {
    std::string answer;
    return SendQuiet("status cdaudio media present", answer, kShortAnswer) == 0 && answer == "true";
}

std::string CdAudioPlayer::Mode() {
    std::string answer;
    if (SendQuiet("status cdaudio mode wait", answer, kModeAnswer) != 0) {
        return {};
    }
    return answer;
}

bool CdAudioPlayer::IsPaused() {
    return Mode() == "paused";
}

bool CdAudioPlayer::IsStopped() {
    return Mode() == "stopped";
}

bool CdAudioPlayer::IsReady() {
    std::string answer;
    return SendQuiet("status cdaudio mode wait", answer, kModeAnswer) == 0 && answer != "not ready";
}

bool CdAudioPlayer::IsPlaying() {
    return Mode() == "playing";
}

std::uint32_t CdAudioPlayer::ToggleDoor() {
    const bool present = IsMediaPresent();
    std::string answer;
    return SendQuiet(present ? "Set CDAudio Door Open" : "Set CDAudio Door Closed", answer, 0);
}

std::uint32_t CdAudioPlayer::Play() {
    return SendReported("play cdaudio");
}

std::uint32_t CdAudioPlayer::PlayFrom(int seconds) {
    char command[64];
    std::snprintf(command, sizeof command, "play cdaudio from %02d:%02d:00", seconds / 60,
                  seconds % 60);
    return SendReported(command);
}

std::uint32_t CdAudioPlayer::Stop() {
    if (const std::uint32_t result = SendReported("stop cdaudio"); result != 0) {
        return result;
    }
    return SendReported("seek cdaudio to start");
}

std::uint32_t CdAudioPlayer::Pause() {
    return SendReported("pause cdaudio");
}

std::uint32_t CdAudioPlayer::PlayTrack(int track) {
    std::string position;
    if (const std::uint32_t result = SendReported(
            "status cdaudio position track " + std::to_string(track), position, kTrackAnswer);
        result != 0) {
        return result;
    }
    return SendReported("play cdaudio from " + position);
}

std::uint32_t CdAudioPlayer::NextTrack() {
    const int current = GetCurrentTrack();
    const int count = GetTrackCount();
    if (current == count || count == 0) {
        return 0;
    }
    return PlayTrack(current + 1);
}

std::uint32_t CdAudioPlayer::PrevTrack() {
    const int current = GetCurrentTrack();
    const int count = GetTrackCount();
    if (current == 0 || count == 0 || current == 1) {
        return 0;
    }
    return PlayTrack(current - 1);
}

int CdAudioPlayer::GetPositionSeconds() {
    if (!IsMediaPresent()) {
        return 0;
    }
    std::string answer;
    if (SendReported("status cdaudio position", answer, kShortAnswer) != 0) {
        return 0;
    }
    const int minutes = TwoDigitField(answer, 0);
    const int seconds = TwoDigitField(answer, 3);
    // An answer not of the mm:ss:ff form counts as no position rather than as garbage.
    if (minutes < 0 || seconds < 0) {
        return 0;
    }
    return minutes * 60 + seconds;
}

int CdAudioPlayer::QueryNumber(const std::string& command) {
    std::string answer;
    if (SendReported(command, answer, kShortAnswer) != 0) {
        return 0;
    }
    int value = 0;
    for (const char c : answer) {
        if (c < '0' || c > '9' || value > 9999) {
            break;
        }
        value = value * 10 + (c - '0');
    }
    return value;
}

int CdAudioPlayer::GetCurrentTrack() {
    return QueryNumber("status cdaudio current track");
}

int CdAudioPlayer::GetTrackCount() {
    return QueryNumber("status cdaudio number of tracks");
}

}  // namespace quivlane
