#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>

#include "platform/audio/Sound.h"

namespace quivlane {

// Opens the real sound output at the first sound rather than at start-up: most runs never
// beep, and an open audio device costs start-up time and idle wake-ups. A factory that makes
// nothing leaves the program silent.
class LazySound final : public Sound {
  public:
    using Factory = std::function<std::unique_ptr<Sound>()>;
    explicit LazySound(Factory factory) : factory_(std::move(factory)) {}

    void Beep(int frequencyHz, int durationMs) override {
        if (Sound* sound = Real()) {
            sound->Beep(frequencyHz, durationMs);
        }
    }
    bool PlayWaveAsync(const std::string& path) override {
        Sound* sound = Real();
        return sound != nullptr && sound->PlayWaveAsync(path);
    }
    bool Opened() const { return sound_ != nullptr; }

  private:
    Sound* Real() {
        if (!sound_ && factory_) {
            sound_ = factory_();
            factory_ = nullptr;
        }
        return sound_.get();
    }

    Factory factory_;
    std::unique_ptr<Sound> sound_;
};

}  // namespace quivlane
