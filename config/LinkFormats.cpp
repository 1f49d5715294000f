#include "config/LinkFormats.h"

#include <string_view>

#include "base/TextEncoding.h"

namespace quivlane {

namespace {

constexpr std::size_t kTimeAt = 15;  // "DEFINIR_ALARME?"
constexpr std::size_t kTimeLength = 5;
constexpr std::size_t kMinuteAt = 3;  // within the time

std::string_view AfterCharacters(std::string_view text, std::size_t count) {
    return text.substr(TextEncoding::FirstUtf8Characters(text, count).size());
}

}  // namespace

std::string LinkFormats::AlarmTime(const std::string& link) {
    if (!link.starts_with(std::string(kAlarmKeyword) + "?")) {
        return {};
    }
    const std::string_view time = AfterCharacters(link, kTimeAt);
    return TextEncoding::Utf8Length(time) == kTimeLength ? std::string(time) : std::string();
}

std::optional<LinkFormats::AlarmFields> LinkFormats::AlarmTimeFields(const std::string& link) {
    const std::string_view time = AfterCharacters(link, kTimeAt);
    if (time.empty()) {
        return std::nullopt;
    }
    return AlarmFields{
        std::string(TextEncoding::FirstUtf8Characters(time, 2)),
        std::string(TextEncoding::FirstUtf8Characters(AfterCharacters(time, kMinuteAt), 2))};
}

bool LinkFormats::IsAlarmLink(const std::string& link) {
    return link.starts_with(kAlarmKeyword);
}

std::string LinkFormats::FormatAlarmLink(const std::string& time) {
    return std::string(kAlarmKeyword) + "?" + time;
}

std::string LinkFormats::Mp3Folder(const std::string& link) {
    if (!IsMp3Link(link)) {
        return {};
    }
    const std::string_view rest = std::string_view(link).substr(kMp3Keyword.size());
    // The character after the keyword is taken to be the "?", whatever it is.
    return std::string(AfterCharacters(rest, 1));
}

bool LinkFormats::IsMp3Link(const std::string& link) {
    return link.starts_with(kMp3Keyword);
}

std::string LinkFormats::FormatMp3Link(const std::string& folder) {
    return std::string(kMp3Keyword) + "?" + folder;
}

}  // namespace quivlane
