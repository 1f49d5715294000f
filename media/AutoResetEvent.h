#pragma once

#include <condition_variable>
#include <mutex>

namespace quivlane {

// A wake-up that several signals may merge into; a wait consumes it.
class AutoResetEvent {
  public:
    void Set();
    void Clear();
    void Wait();

  private:
    std::mutex mutex_;
    std::condition_variable changed_;
    bool signalled_ = false;
};

}  // namespace quivlane
