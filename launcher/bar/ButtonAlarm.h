#pragma once

#include <string>

namespace quivlane {

// The alarm time of one button ("HH:MM" or empty) and whether it rang in the current minute.
struct ButtonAlarm {
    std::string time;
    bool rung = false;
};

}  // namespace quivlane
