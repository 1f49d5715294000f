#include "platform/cd/MciInterpreter.h"

#include <algorithm>
#include <cstdio>
#include <utility>

namespace quivlane {

namespace {

std::string Lower(const std::string& text) {
    std::string out = text;
    for (char& c : out) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c - 'A' + 'a');
        }
    }
    return out;
}

std::vector<std::string> Split(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (const char c : text) {
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            if (!word.empty()) {
                words.push_back(std::move(word));
                word.clear();
            }
        } else {
            word += c;
        }
    }
    if (!word.empty()) {
        words.push_back(std::move(word));
    }
    return words;
}

// Decimal digits only, at most maxDigits of them, so that no value can overflow.
bool ParseNumber(const std::string& text, int maxDigits, int& value) {
    if (text.empty() || static_cast<int>(text.size()) > maxDigits) {
        return false;
    }
    value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    return true;
}

std::vector<std::string> SplitColons(const std::string& text) {
    std::vector<std::string> parts(1);
    for (const char c : text) {
        if (c == ':') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

std::string Msf(int frame) {
    char text[32];
    const int seconds = frame / kCdFramesPerSecond;
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", seconds / 60, seconds % 60,
                  frame % kCdFramesPerSecond);
    return text;
}

std::string Milliseconds(int frame) {
    return std::to_string(static_cast<long long>(frame) * 1000 / kCdFramesPerSecond);
}

const CdTrack* FindTrack(const std::vector<CdTrack>& tracks, int number) {
    for (const CdTrack& track : tracks) {
        if (track.number == number) {
            return &track;
        }
    }
    return nullptr;
}

}  // namespace

MciInterpreter::MciInterpreter(DriveOpener opener) : opener_(std::move(opener)) {}

MciInterpreter::~MciInterpreter() = default;

std::uint32_t MciInterpreter::SendString(const std::string& command, std::string& answer,
                                         std::size_t answerSize) {
    answer.clear();
    const std::vector<std::string> original = Split(command);
    Words words;
    words.reserve(original.size());
    for (const std::string& word : original) {
        words.push_back(Lower(word));
    }
    std::string result;
    const std::uint32_t code = Run(words, original, result);
    if (code != 0) {
        return code;
    }
    if (!result.empty() && result.size() >= answerSize) {
        answer = result.substr(0, answerSize == 0 ? 0 : answerSize - 1);
        return kParamOverflow;
    }
    answer = std::move(result);
    return 0;
}

std::uint32_t MciInterpreter::Run(const Words& words, const std::vector<std::string>& original,
                                  std::string& answer) {
    if (words.empty()) {
        return kMissingCommandString;
    }
    const std::string& verb = words[0];
    if (verb == "open") {
        return Open(words, original);
    }
    static const char* const kVerbs[] = {"close", "status", "set",  "play",
                                         "pause", "resume", "stop", "seek"};
    if (std::none_of(std::begin(kVerbs), std::end(kVerbs),
                     [&](const char* known) { return verb == known; })) {
        return kUnrecognizedCommand;
    }
    if (words.size() < 2) {
        return kMissingDeviceName;
    }
    const auto found = devices_.find(words[1]);
    if (found == devices_.end()) {
        return kInvalidDeviceName;
    }
    Device& device = found->second;

    // "wait" and "notify" may follow any command; the interpreter always answers at once.
    Words args;
    for (std::size_t i = 2; i < words.size(); ++i) {
        if (words[i] != "wait" && words[i] != "notify") {
            args.push_back(words[i]);
        }
    }

    if (verb == "close") {
        if (!args.empty()) {
            return kUnrecognizedKeyword;
        }
        devices_.erase(found);
        return 0;
    }
    if (verb == "status") {
        return Status(device, args, answer);
    }
    if (verb == "set") {
        return Set(device, args);
    }
    if (verb == "play") {
        return Play(device, args);
    }
    if (verb == "seek") {
        return Seek(device, args);
    }
    if (!args.empty()) {
        return kUnrecognizedKeyword;
    }
    const std::string mode = Mode(device);
    if (mode == "open" || mode == "not ready") {
        return kDeviceNotReady;
    }
    if (verb == "pause") {
        if (mode == "playing" && !device.drive->Pause()) {
            return kHardware;
        }
        return 0;
    }
    if (verb == "resume") {
        if (mode == "paused" && !device.drive->Resume()) {
            return kHardware;
        }
        return 0;
    }
    // stop
    if (device.running) {
        const int frame = CurrentFrame(device);
        if (device.running) {
            if (!device.drive->Stop()) {
                return kHardware;
            }
            device.running = false;
            device.restFrame = frame;
        }
    }
    return 0;
}

std::uint32_t MciInterpreter::Open(const Words& words, const std::vector<std::string>& original) {
    if (words.size() < 2) {
        return kMissingDeviceName;
    }
    std::size_t typeAt = 0;
    for (std::size_t i = 1; i < words.size(); ++i) {
        if (words[i] == "type") {
            typeAt = i;
            break;
        }
    }
    std::string element;
    std::size_t next = 0;
    bool defaultDrive = false;
    if (typeAt != 0) {
        if (typeAt + 1 >= words.size()) {
            return kMissingParameter;
        }
        if (words[typeAt + 1] != "cdaudio") {
            return kInvalidDeviceName;
        }
        for (std::size_t i = 1; i < typeAt; ++i) {
            element += (i > 1 ? " " : "") + original[i];
        }
        defaultDrive = element.empty();
        next = typeAt + 2;
    } else {
        if (words[1] != "cdaudio") {
            return kInvalidDeviceName;
        }
        defaultDrive = true;
        next = 2;
    }

    std::string alias;
    for (std::size_t i = next; i < words.size(); ++i) {
        if (words[i] == "alias") {
            if (i + 1 >= words.size()) {
                return kMissingParameter;
            }
            if (!alias.empty()) {
                return kDuplicateFlags;
            }
            alias = words[++i];
        } else if (words[i] != "shareable" && words[i] != "wait" && words[i] != "notify") {
            return kUnrecognizedKeyword;
        }
    }

    const std::string name = !alias.empty() ? alias : defaultDrive ? "cdaudio" : Lower(element);
    if (devices_.count(name) != 0) {
        return alias.empty() ? kDeviceOpen : kDuplicateAlias;
    }
    std::unique_ptr<CdDrive> drive =
        opener_ ? opener_(defaultDrive ? std::string() : element) : nullptr;
    if (!drive) {
        return kHardware;
    }
    Device device;
    device.drive = std::move(drive);
    devices_.emplace(name, std::move(device));
    return 0;
}

bool MciInterpreter::ReadDisc(Device& device, Disc& disc) {
    if (device.drive->IsTrayOpen() || !device.drive->IsMediaPresent()) {
        return false;
    }
    if (!device.drive->ReadToc(disc.tracks, disc.leadOut) || disc.tracks.empty()) {
        return false;
    }
    std::sort(disc.tracks.begin(), disc.tracks.end(),
              [](const CdTrack& a, const CdTrack& b) { return a.startFrame < b.startFrame; });
    return disc.leadOut > disc.tracks.back().startFrame;
}

int MciInterpreter::CurrentFrame(Device& device) {
    if (device.running) {
        const CdPlayStatus status = device.drive->Status();
        if (status.state == CdAudioState::Playing || status.state == CdAudioState::Paused) {
            return status.frame;
        }
        // The run has ended: the disc stands where it was to stop.
        device.running = false;
        device.restFrame = device.playEnd;
    }
    return device.restFrame;
}

std::string MciInterpreter::Mode(Device& device) {
    if (device.drive->IsTrayOpen()) {
        device.running = false;
        device.restFrame = 0;
        return "open";
    }
    if (!device.drive->IsMediaPresent()) {
        device.running = false;
        device.restFrame = 0;
        return "not ready";
    }
    if (device.running) {
        const CdAudioState state = device.drive->Status().state;
        if (state == CdAudioState::Playing) {
            return "playing";
        }
        if (state == CdAudioState::Paused) {
            return "paused";
        }
        CurrentFrame(device);
    }
    return "stopped";
}

int MciInterpreter::StandingFrame(Device& device, const Disc& disc) {
    // A disc that was just put in, or wound back, stands at its first track.
    return std::max(CurrentFrame(device), disc.tracks.front().startFrame);
}

int MciInterpreter::TrackAt(const Disc& disc, int frame) {
    int number = disc.tracks.front().number;
    for (const CdTrack& track : disc.tracks) {
        if (track.startFrame <= frame) {
            number = track.number;
        }
    }
    return number;
}

std::string MciInterpreter::FormatPosition(const Device& device, const Disc& disc, int frame) {
    switch (device.format) {
        case TimeFormat::Msf:
            return Msf(frame);
        case TimeFormat::Milliseconds:
            return Milliseconds(frame);
        case TimeFormat::Tmsf: {
            const int number = TrackAt(disc, frame);
            const CdTrack* track = FindTrack(disc.tracks, number);
            const int offset = std::max(0, frame - track->startFrame);
            char text[40];
            const int seconds = offset / kCdFramesPerSecond;
            std::snprintf(text, sizeof text, "%02d:%02d:%02d:%02d", number, seconds / 60,
                          seconds % 60, offset % kCdFramesPerSecond);
            return text;
        }
    }
    return {};
}

std::uint32_t MciInterpreter::ParsePosition(const Device& device, const Disc& disc,
                                            const std::string& text, int& frame) {
    if (device.format == TimeFormat::Milliseconds) {
        int ms = 0;
        if (!ParseNumber(text, 9, ms)) {
            return kBadInteger;
        }
        // Rounded up, so that a position read in milliseconds names the same frame again.
        frame = static_cast<int>((static_cast<long long>(ms) * kCdFramesPerSecond + 999) / 1000);
        return 0;
    }
    const std::vector<std::string> parts = SplitColons(text);
    const bool tmsf = device.format == TimeFormat::Tmsf;
    const std::size_t maxParts = tmsf ? 4 : 3;
    if (parts.size() > maxParts) {
        return kBadInteger;
    }
    std::vector<int> values;
    for (const std::string& part : parts) {
        int value = 0;
        if (!ParseNumber(part, 3, value)) {
            return kBadInteger;
        }
        values.push_back(value);
    }
    int base = 0;
    std::size_t at = 0;
    if (tmsf) {
        const CdTrack* track = FindTrack(disc.tracks, values[0]);
        if (track == nullptr) {
            return kOutOfRange;
        }
        base = track->startFrame;
        at = 1;
    }
    const int minutes = at < values.size() ? values[at] : 0;
    const int seconds = at + 1 < values.size() ? values[at + 1] : 0;
    const int frames = at + 2 < values.size() ? values[at + 2] : 0;
    if (seconds >= 60 || frames >= kCdFramesPerSecond) {
        return kOutOfRange;
    }
    frame = base + (minutes * 60 + seconds) * kCdFramesPerSecond + frames;
    return 0;
}

std::uint32_t MciInterpreter::Status(Device& device, const Words& args, std::string& answer) {
    if (args.empty()) {
        return kMissingParameter;
    }
    const std::string& item = args[0];
    const auto exactly = [&](std::size_t count) { return args.size() == count; };

    if (item == "media") {
        if (!exactly(2) || args[1] != "present") {
            return args.size() < 2 ? kMissingParameter : kUnrecognizedKeyword;
        }
        const bool present = !device.drive->IsTrayOpen() && device.drive->IsMediaPresent();
        answer = present ? "true" : "false";
        return 0;
    }
    if (item == "mode") {
        if (!exactly(1)) {
            return kUnrecognizedKeyword;
        }
        answer = Mode(device);
        return 0;
    }
    if (item == "ready") {
        if (!exactly(1)) {
            return kUnrecognizedKeyword;
        }
        const std::string mode = Mode(device);
        answer = mode == "open" || mode == "not ready" ? "false" : "true";
        return 0;
    }
    if (item == "time") {
        if (!exactly(2) || args[1] != "format") {
            return args.size() < 2 ? kMissingParameter : kUnrecognizedKeyword;
        }
        answer = device.format == TimeFormat::Msf    ? "msf"
                 : device.format == TimeFormat::Tmsf ? "tmsf"
                                                     : "milliseconds";
        return 0;
    }

    const bool known =
        item == "position" || item == "length" || item == "current" || item == "number";
    if (!known) {
        return kUnrecognizedKeyword;
    }
    // Everything else reads the disc.
    Disc disc;
    if (!ReadDisc(device, disc)) {
        return kDeviceNotReady;
    }

    if (item == "current" || item == "number") {
        const char* second = item == "current" ? "track" : "of";
        if (args.size() < 2 || args[1] != second ||
            (item == "number" && (args.size() < 3 || args[2] != "tracks"))) {
            return kUnrecognizedKeyword;
        }
        if (!exactly(item == "current" ? 2 : 3)) {
            return kUnrecognizedKeyword;
        }
        answer = item == "current" ? std::to_string(TrackAt(disc, StandingFrame(device, disc)))
                                   : std::to_string(disc.tracks.size());
        return 0;
    }

    // "position" / "length", either alone or with "track n".
    const CdTrack* track = nullptr;
    if (args.size() > 1) {
        if (args[1] != "track") {
            return kUnrecognizedKeyword;
        }
        if (args.size() < 3) {
            return kMissingParameter;
        }
        if (args.size() > 3) {
            return kUnrecognizedKeyword;
        }
        int number = 0;
        if (!ParseNumber(args[2], 3, number)) {
            return kBadInteger;
        }
        track = FindTrack(disc.tracks, number);
        if (track == nullptr) {
            return kOutOfRange;
        }
    }

    if (item == "position") {
        answer = FormatPosition(device, disc,
                                track != nullptr ? track->startFrame : StandingFrame(device, disc));
        return 0;
    }
    int start = disc.tracks.front().startFrame;
    int end = disc.leadOut;
    if (track != nullptr) {
        start = track->startFrame;
        for (const CdTrack& other : disc.tracks) {
            if (other.startFrame > start) {
                end = other.startFrame;
                break;
            }
        }
    }
    // Lengths are durations: minutes, seconds and frames even in the track format.
    answer =
        device.format == TimeFormat::Milliseconds ? Milliseconds(end - start) : Msf(end - start);
    return 0;
}

std::uint32_t MciInterpreter::Set(Device& device, const Words& args) {
    if (args.empty()) {
        return kMissingParameter;
    }
    if (args[0] == "time") {
        if (args.size() < 2 || args[1] != "format") {
            return args.size() < 2 ? kMissingParameter : kUnrecognizedKeyword;
        }
        if (args.size() < 3) {
            return kMissingParameter;
        }
        if (args.size() > 3) {
            return kUnrecognizedKeyword;
        }
        if (args[2] == "msf") {
            device.format = TimeFormat::Msf;
        } else if (args[2] == "tmsf") {
            device.format = TimeFormat::Tmsf;
        } else if (args[2] == "milliseconds" || args[2] == "ms") {
            device.format = TimeFormat::Milliseconds;
        } else {
            return kBadTimeFormat;
        }
        return 0;
    }
    if (args[0] == "door") {
        if (args.size() < 2) {
            return kMissingParameter;
        }
        if (args.size() > 2) {
            return kUnrecognizedKeyword;
        }
        if (args[1] == "open") {
            if (!device.drive->OpenTray()) {
                return kHardware;
            }
            device.running = false;
            device.restFrame = 0;
            return 0;
        }
        if (args[1] == "closed") {
            return device.drive->CloseTray() ? 0 : kHardware;
        }
        return kUnrecognizedKeyword;
    }
    return kUnrecognizedKeyword;
}

std::uint32_t MciInterpreter::Play(Device& device, const Words& args) {
    const std::string* from = nullptr;
    const std::string* to = nullptr;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string*& slot = args[i] == "from" ? from : to;
        if (args[i] != "from" && args[i] != "to") {
            return kUnrecognizedKeyword;
        }
        if (slot != nullptr) {
            return kDuplicateFlags;
        }
        if (i + 1 >= args.size()) {
            return kMissingParameter;
        }
        slot = &args[++i];
    }

    const std::string mode = Mode(device);
    Disc disc;
    if (mode == "open" || mode == "not ready" || !ReadDisc(device, disc)) {
        return kDeviceNotReady;
    }
    const int first = disc.tracks.front().startFrame;

    if (from == nullptr && to == nullptr && mode == "paused") {
        return device.drive->Resume() ? 0 : kHardware;
    }

    int start = StandingFrame(device, disc);
    int end = disc.leadOut;
    if (from != nullptr) {
        if (const std::uint32_t code = ParsePosition(device, disc, *from, start); code != 0) {
            return code;
        }
    }
    if (to != nullptr) {
        if (const std::uint32_t code = ParsePosition(device, disc, *to, end); code != 0) {
            return code;
        }
    }
    if (end > disc.leadOut || (from != nullptr && start >= disc.leadOut)) {
        return kOutOfRange;
    }
    // The lead-in holds no audio; a play from before the first track starts at it.
    start = std::max(start, first);
    if (from == nullptr && start >= end) {
        // Already at the end of what would be played: nothing to do.
        return 0;
    }
    if (start >= end) {
        return kOutOfRange;
    }
    if (device.running && !device.drive->Stop()) {
        return kHardware;
    }
    device.running = false;
    if (!device.drive->PlayRange(start, end)) {
        return kHardware;
    }
    device.running = true;
    device.playEnd = end;
    device.restFrame = start;
    return 0;
}

std::uint32_t MciInterpreter::Seek(Device& device, const Words& args) {
    if (args.empty() || args[0] != "to") {
        return args.empty() ? kMissingParameter : kUnrecognizedKeyword;
    }
    if (args.size() < 2) {
        return kMissingParameter;
    }
    if (args.size() > 2) {
        return kUnrecognizedKeyword;
    }
    Disc disc;
    if (!ReadDisc(device, disc)) {
        return kDeviceNotReady;
    }
    int target = 0;
    if (args[1] == "start") {
        target = disc.tracks.front().startFrame;
    } else if (args[1] == "end") {
        target = disc.leadOut;
    } else if (const std::uint32_t code = ParsePosition(device, disc, args[1], target); code != 0) {
        return code;
    } else if (target > disc.leadOut) {
        return kOutOfRange;
    }
    if (device.running) {
        CurrentFrame(device);
        if (device.running && !device.drive->Stop()) {
            return kHardware;
        }
        device.running = false;
    }
    device.restFrame = std::max(target, disc.tracks.front().startFrame);
    return 0;
}

std::string MciInterpreter::ErrorString(std::uint32_t code) const {
    switch (code) {
        case kInvalidDeviceId:
            return "Invalid MCI device ID. Use the ID returned when opening the MCI device.";
        case kUnrecognizedKeyword:
            return "The driver cannot recognize the specified command parameter.";
        case kUnrecognizedCommand:
            return "The driver cannot recognize the specified command.";
        case kHardware:
            return "There is a problem with your media device. Make sure it is working "
                   "correctly or contact the device manufacturer.";
        case kInvalidDeviceName:
            return "The specified device is not open or is not recognized by MCI.";
        case kDeviceOpen:
            return "The device name is already being used as an alias by this application. "
                   "Use a unique alias.";
        case kMissingCommandString:
            return "No command was specified.";
        case kParamOverflow:
            return "The output string was too large to fit in the return buffer. Increase the "
                   "size of the buffer.";
        case kBadInteger:
            return "The specified command requires an integer parameter. Please provide one.";
        case kMissingParameter:
            return "The specified command requires a parameter. Please supply one.";
        case kDeviceNotReady:
            return "The device is not ready.";
        case kOutOfRange:
            return "The specified parameter is out of range for the specified command.";
        case kDuplicateAlias:
            return "The specified alias is already being used in this application. Use a "
                   "unique alias.";
        case kMissingDeviceName:
            return "No device name was specified.";
        case kBadTimeFormat:
            return "The specified value for the time format is invalid.";
        case kDuplicateFlags:
            return "A parameter or value was specified twice. Only specify it once.";
        default:
            return {};
    }
}

}  // namespace quivlane
