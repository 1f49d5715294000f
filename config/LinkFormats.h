#pragma once

#include <optional>
#include <string>

#include "config/LinkKeywords.h"

namespace quivlane {

// The link values the programs write themselves and read back. Positions count characters,
// as a hand-edited file may put an accented letter anywhere.
class LinkFormats {
  public:
    static constexpr std::string_view kAlarmKeyword = LinkKeywords::kDefinirAlarme;
    static constexpr std::string_view kMp3Keyword = LinkKeywords::kLecteurMp3;

    struct AlarmFields {
        std::string hour;
        std::string minute;
    };

    // The five-character alarm time of "DEFINIR_ALARME?HH:MM", or "" when the link is not
    // exactly 20 characters long with "?" as its 15th character after "DEFINIR_ALARME".
    static std::string AlarmTime(const std::string& link);
    // The alarm dialog's reading, by position whatever the rest says: characters 16-17 and
    // 19-20 (fewer when the link stops short), nothing for a link under 16 characters.
    static std::optional<AlarmFields> AlarmTimeFields(const std::string& link);
    // True when the link begins with "DEFINIR_ALARME" (the editor then labels it "ALARME").
    static bool IsAlarmLink(const std::string& link);
    // "DEFINIR_ALARME?" + time.
    static std::string FormatAlarmLink(const std::string& time);

    // The folder of an MP3 link: what follows "LECTEUR_MP3" and the one character after it,
    // "" when nothing does or the link is not an MP3 link.
    static std::string Mp3Folder(const std::string& link);
    // True when the link begins with "LECTEUR_MP3".
    static bool IsMp3Link(const std::string& link);
    // "LECTEUR_MP3?" + folder.
    static std::string FormatMp3Link(const std::string& folder);
};

}  // namespace quivlane
