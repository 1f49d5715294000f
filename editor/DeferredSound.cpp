#include "editor/DeferredSound.h"

#include <utility>

namespace quivlane {

DeferredSound::DeferredSound(Factory factory) : factory_(std::move(factory)) {}

DeferredSound::~DeferredSound() = default;

Sound* DeferredSound::Real() {
    if (!sound_ && factory_) {
        sound_ = factory_();
    }
    return sound_.get();
}

void DeferredSound::Beep(int frequencyHz, int durationMs) {
    if (Sound* sound = Real()) {
        sound->Beep(frequencyHz, durationMs);
    }
}

bool DeferredSound::PlayWaveAsync(const std::string& path) {
    Sound* sound = Real();
    return sound != nullptr && sound->PlayWaveAsync(path);
}

}  // namespace quivlane
