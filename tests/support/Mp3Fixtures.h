#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quivlane::test {

// MP3 files made at test time with lame and twolame from a synthetic signal, kept in
// the build directory, and mpg123's decode of them as the reference.
class Mp3Fixtures {
  public:
    // Where the fixtures live; created on first use.
    static std::string Directory();
    // A WAV of mixed sines and noise, the same bytes for the same arguments.
    static std::string MakeWav(const std::string& name, int rate, int channels, double seconds);
    // Encodes `wav` with `program` (lame or twolame) and extra arguments, once.
    static std::string Encode(const std::string& name, const std::string& program,
                              const std::string& wav, const std::vector<std::string>& args);
    // Raw 16-bit PCM from mpg123 without gapless trimming.
    static std::string DecodeWithMpg123(const std::string& mp3);
    // Runs a program by argument vector, stdout into `stdoutPath` (or /dev/null).
    static int Run(const std::vector<std::string>& argv, const std::string& stdoutPath = {});

    // Offsets of consecutive Layer III frames from the first confirmed one.
    static std::vector<std::size_t> FrameOffsets(const std::string& bytes);
};

}  // namespace quivlane::test
