#pragma once

#include <string>

namespace quivlane {

// The link values the programs write themselves and the launcher parses back.
class LinkFormats {
  public:
    static constexpr const char* kAlarmKeyword = "DEFINIR_ALARME";
    static constexpr const char* kMp3Keyword = "LECTEUR_MP3";

    // The five-character alarm time of "DEFINIR_ALARME?HH:MM", or "" when the link is not
    // exactly 20 characters long with "?" as its 15th character after "DEFINIR_ALARME".
    static std::string AlarmTime(const std::string& link);
    // True when the link begins with "DEFINIR_ALARME" (the editor then labels it "ALARME").
    static bool IsAlarmLink(const std::string& link);
    // "DEFINIR_ALARME?" + time.
    static std::string FormatAlarmLink(const std::string& time);
    // "LECTEUR_MP3?" + folder.
    static std::string FormatMp3Link(const std::string& folder);
};

}  // namespace quivlane
