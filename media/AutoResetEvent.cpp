#include "media/AutoResetEvent.h"

namespace quivlane {

void AutoResetEvent::Set() {
    {
        std::lock_guard lock(mutex_);
        signalled_ = true;
    }
    changed_.notify_one();
}

void AutoResetEvent::Clear() {
    std::lock_guard lock(mutex_);
    signalled_ = false;
}

void AutoResetEvent::Wait() {
    std::unique_lock lock(mutex_);
    changed_.wait(lock, [this] { return signalled_; });
    signalled_ = false;
}

}  // namespace quivlane
