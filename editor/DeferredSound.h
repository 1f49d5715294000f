#pragma once

#include <functional>
#include <memory>

#include "platform/Sound.h"

namespace quivlane {

// Opens the real sound output at the editor's first beep: most sessions beep only when
// saving, and opening audio at start delays the window.
class DeferredSound final : public Sound {
  public:
    using Factory = std::function<std::unique_ptr<Sound>()>;
    explicit DeferredSound(Factory factory);
    ~DeferredSound() override;

    void Beep(int frequencyHz, int durationMs) override;
    bool PlayWaveAsync(const std::string& path) override;
    bool Opened() const { return sound_ != nullptr; }

  private:
    Sound* Real();

    Factory factory_;
    std::unique_ptr<Sound> sound_;
};

}  // namespace quivlane
