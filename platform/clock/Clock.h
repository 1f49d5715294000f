#pragma once

namespace quivlane {

// Local wall-clock time, broken down as the tick rules need it.
struct LocalTime {
    int year = 1970;
    int month = 1;  // 1..12
    int day = 1;    // 1..31
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// Time and blocking waits. The waits of the user-interface thread are part of the
// behaviour (a message stays up for a second), so they go through here and tests
// can record them instead of sleeping.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
    virtual void Wait(int milliseconds) = 0;
};

}  // namespace quivlane
