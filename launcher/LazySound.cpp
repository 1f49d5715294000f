#include "launcher/LazySound.h"

#include <utility>

namespace quivlane {

LazySound::LazySound(Factory factory) : factory_(std::move(factory)) {}

LazySound::~LazySound() = default;

Sound& LazySound::Real() {
    if (!sound_) {
        sound_ = factory_();
    }
    return *sound_;
}

void LazySound::Beep(int frequencyHz, int durationMs) {
    Real().Beep(frequencyHz, durationMs);
}

bool LazySound::PlayWaveAsync(const std::string& path) {
    return Real().PlayWaveAsync(path);
}

}  // namespace quivlane
