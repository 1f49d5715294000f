#include "platform/clock/SystemClock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

namespace quivlane {
namespace {

class ScopedTimeZone {
  public:
    explicit ScopedTimeZone(const char* zone) {
        if (const char* old = std::getenv("TZ")) {
            saved_ = old;
        }
        setenv("TZ", zone, 1);
        tzset();
    }
    ~ScopedTimeZone() {
        if (saved_) {
            setenv("TZ", saved_->c_str(), 1);
        } else {
            unsetenv("TZ");
        }
        tzset();
    }

  private:
    std::optional<std::string> saved_;
};

TEST(SystemClockTest, NowIsLocalTimeNotUtc) {
    // Five hours and a half ahead of UTC, all year round: any use of UTC shows.
    ScopedTimeZone zone("XYZ-5:30");
    SystemClock clock;
    for (int attempt = 0; attempt < 3; ++attempt) {
        std::time_t before = std::time(nullptr);
        LocalTime now = clock.Now();
        if (std::time(nullptr) != before) {
            continue;  // a second boundary fell in between
        }
        std::time_t shifted = before + 5 * 3600 + 30 * 60;
        std::tm utc{};
        gmtime_r(&shifted, &utc);
        EXPECT_EQ(now.year, utc.tm_year + 1900);
        EXPECT_EQ(now.month, utc.tm_mon + 1);
        EXPECT_EQ(now.day, utc.tm_mday);
        EXPECT_EQ(now.hour, utc.tm_hour);
        EXPECT_EQ(now.minute, utc.tm_min);
        EXPECT_EQ(now.second, utc.tm_sec);
        return;
    }
    FAIL() << "the clock never held still for a second";
}

}  // namespace
}  // namespace quivlane
