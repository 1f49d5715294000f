#pragma once

#include <functional>
#include <memory>

#include "platform/Sound.h"

namespace quivlane {

// Opens the real sound output at the first sound rather than at start-up: most runs of the
// bar never beep, and an open audio device costs start-up time and idle wake-ups.
class LazySound final : public Sound {
  public:
    using Factory = std::function<std::unique_ptr<Sound>()>;
    explicit LazySound(Factory factory);
    ~LazySound() override;

    void Beep(int frequencyHz, int durationMs) override;
    bool PlayWaveAsync(const std::string& path) override;
    bool Opened() const { return sound_ != nullptr; }

  private:
    Sound& Real();

    Factory factory_;
    std::unique_ptr<Sound> sound_;
};

}  // namespace quivlane
