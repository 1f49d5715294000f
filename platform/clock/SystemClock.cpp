#include "platform/clock/SystemClock.h"

#include <chrono>
#include <ctime>
#include <thread>

namespace quivlane {

LocalTime SystemClock::Now() const {
    std::time_t now = std::time(nullptr);
    std::tm t{};
    localtime_r(&now, &t);
    return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

void SystemClock::Wait(int milliseconds) {
    if (milliseconds > 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
    }
}

}  // namespace quivlane
