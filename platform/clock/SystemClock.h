#pragma once

#include "platform/clock/Clock.h"

namespace quivlane {

// The host's local wall clock. Wait blocks the calling thread; the caller repaints first,
// so what it has just drawn stays visible during the wait.
class SystemClock final : public Clock {
  public:
    LocalTime Now() const override;
    void Wait(int milliseconds) override;
};

}  // namespace quivlane
