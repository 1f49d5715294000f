#include "tests/support/SyntheticMp3.h"

#include <algorithm>

#include "media/Mp3Engine.h"

namespace quivlane::test {

std::uint32_t SyntheticMp3::Header(int versionBits, int bitrateIndex, int rateBits, int mode,
                                   int padding, int layerBits) {
    return 0xFFE00000u | static_cast<std::uint32_t>(versionBits) << 19 |
           static_cast<std::uint32_t>(layerBits) << 17 | 1u << 16 |
           static_cast<std::uint32_t>(bitrateIndex) << 12 |
           static_cast<std::uint32_t>(rateBits) << 10 | static_cast<std::uint32_t>(padding) << 9 |
           static_cast<std::uint32_t>(mode) << 6;
}

std::string SyntheticMp3::Word(std::uint32_t word) {
    std::string out;
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<char>((word >> shift) & 0xFF));
    }
    return out;
}

std::string SyntheticMp3::Frames(std::uint32_t header, int count) {
    FrameHeader parsed;
    int size = 4;
    if (Mp3Engine::ParseHeader(header, parsed) != 0) {
        size = std::max(parsed.frameSize, 4);
    } else {
        // Layers I and II: the standard sizes, so that such streams look real.
        const int layer = 4 - static_cast<int>((header >> 17) & 3);
        const int index = static_cast<int>((header >> 12) & 15);
        static const int layer2[16] = {0,   32,  48,  56,  64,  80,  96,  112,
                                       128, 160, 192, 224, 256, 320, 384, 0};
        static const int rates[4] = {44100, 48000, 32000, 0};
        const int rate = rates[(header >> 10) & 3];
        if (layer == 2 && rate != 0) {
            size = std::max(144000 * layer2[index] / rate, 4);
        }
    }
    std::string frame = Word(header) + std::string(static_cast<std::size_t>(size - 4), '\0');
    std::string out;
    for (int i = 0; i < count; ++i) {
        out += frame;
    }
    return out;
}

}  // namespace quivlane::test
