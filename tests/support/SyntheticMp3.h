#pragma once

#include <cstdint>
#include <string>

namespace quivlane::test {

// Byte-level MP3 streams with chosen headers and silent (zero) frame bodies.
class SyntheticMp3 {
  public:
    // versionBits: 3 MPEG-1, 2 MPEG-2, 0 MPEG-2.5; layerBits: 1 Layer III, 2 Layer II.
    static std::uint32_t Header(int versionBits, int bitrateIndex, int rateBits, int mode = 0,
                                int padding = 0, int layerBits = 1);
    // `count` frames with this header, each of the size the header declares (at least 4).
    static std::string Frames(std::uint32_t header, int count);
    static std::string Word(std::uint32_t word);
};

}  // namespace quivlane::test
