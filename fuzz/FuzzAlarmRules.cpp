#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "launcher/alarm/AlarmRules.h"

namespace {

bool IsTwoDigits(const std::string& text, std::size_t at, int highest) {
    const char a = text[at];
    const char b = text[at + 1];
    return a >= '0' && a <= '9' && b >= '0' && b <= '9' && (a - '0') * 10 + (b - '0') <= highest;
}

}  // namespace

// Whatever link is stored and however the sliders move, the display holds the two texts and
// what would be written is a proper "HH:MM" within the day.
// Input: one byte of slider moves (low bit: which slider, the rest: how many), then the link.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    quivlane::AlarmRules rules;
    if (size == 0) {
        return 0;
    }
    rules.LoadFromLink(std::string(reinterpret_cast<const char*>(data + 1), size - 1));
    if (rules.HourPosition() < 0 || rules.HourPosition() > quivlane::AlarmRules::kMaxHour ||
        rules.MinutePosition() < 0 || rules.MinutePosition() > quivlane::AlarmRules::kMaxMinute) {
        std::abort();
    }
    const int moves = data[0] >> 1;
    for (int i = 0; i < moves % 4; ++i) {
        if ((data[0] & 1) != 0) {
            rules.HourMoved((rules.HourPosition() + i) % 24);
        } else {
            rules.MinuteMoved((rules.MinutePosition() + i) % 60);
        }
    }
    if (rules.DisplayText() != "     " + rules.HourText() + ";" + rules.MinuteText() + "    ") {
        std::abort();
    }
    const std::string time = rules.AcceptedTime();
    if (time.size() != 5 || time[2] != ':' || !IsTwoDigits(time, 0, 23) ||
        !IsTwoDigits(time, 3, 59)) {
        std::abort();
    }
    return 0;
}
