#pragma once

#include <string>

namespace quivlane {

class Sound {
  public:
    virtual ~Sound() = default;
    // A tone on the speaker; returns when it has played.
    virtual void Beep(int frequencyHz, int durationMs) = 0;
    // Starts playing a WAV file and returns at once; a newer sound cuts the older one.
    // False when the file cannot be played.
    virtual bool PlayWaveAsync(const std::string& path) = 0;
};

}  // namespace quivlane
