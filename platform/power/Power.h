#pragma once

namespace quivlane {

class Power {
  public:
    virtual ~Power() = default;
    // Asks the system to shut the computer down; false when refused.
    virtual bool ShutDown() = 0;
};

}  // namespace quivlane
