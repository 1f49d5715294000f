#include "config/LinkFormats.h"

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

constexpr std::size_t kKeywordLength = 14;  // "DEFINIR_ALARME"
constexpr std::size_t kAlarmLinkLength = 20;
constexpr std::size_t kTimeLength = 5;

}  // namespace

std::string LinkFormats::AlarmTime(const std::string& link) {
    // Characters, not bytes: the keyword and "?" are ASCII, so the time is whatever the last
    // five characters are.
    if (link.compare(0, kKeywordLength + 1, std::string(kAlarmKeyword) + "?") != 0 ||
        TextEncoding::Utf8Length(link) != kAlarmLinkLength) {
        return {};
    }
    const std::string time = link.substr(kKeywordLength + 1);
    return TextEncoding::Utf8Length(time) == kTimeLength ? time : std::string();
}

bool LinkFormats::IsAlarmLink(const std::string& link) {
    return link.compare(0, kKeywordLength, kAlarmKeyword) == 0;
}

std::string LinkFormats::FormatAlarmLink(const std::string& time) {
    return std::string(kAlarmKeyword) + "?" + time;
}

std::string LinkFormats::FormatMp3Link(const std::string& folder) {
    return std::string(kMp3Keyword) + "?" + folder;
}

}  // namespace quivlane
