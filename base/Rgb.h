#pragma once

#include <cstdint>

namespace quivlane {

// A 24-bit colour. Two packed forms meet here: the raw 0x00BBGGRR value that colour
// literals in markup are written in, and the 0xAARRGGBB pixels of image buffers.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    static constexpr Rgb FromColorRef(std::uint32_t raw) {
        return Rgb{static_cast<std::uint8_t>(raw & 0xFFu),
                   static_cast<std::uint8_t>((raw >> 8) & 0xFFu),
                   static_cast<std::uint8_t>((raw >> 16) & 0xFFu)};
    }
    static constexpr Rgb FromArgb(std::uint32_t pixel) {
        return Rgb{static_cast<std::uint8_t>((pixel >> 16) & 0xFFu),
                   static_cast<std::uint8_t>((pixel >> 8) & 0xFFu),
                   static_cast<std::uint8_t>(pixel & 0xFFu)};
    }
    constexpr std::uint32_t ToColorRef() const {
        return std::uint32_t{r} | (std::uint32_t{g} << 8) | (std::uint32_t{b} << 16);
    }
    constexpr std::uint32_t ToArgb(std::uint8_t alpha = 0xFF) const {
        return (std::uint32_t{alpha} << 24) | (std::uint32_t{r} << 16) | (std::uint32_t{g} << 8) |
               std::uint32_t{b};
    }
    constexpr Rgb Inverted() const {
        return Rgb{static_cast<std::uint8_t>(255 - r), static_cast<std::uint8_t>(255 - g),
                   static_cast<std::uint8_t>(255 - b)};
    }
    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kWhite{255, 255, 255};

}  // namespace quivlane
