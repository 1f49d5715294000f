#pragma once

#include <array>

// Paths of the built-in pictures inside the Qt resource system. The files are drawn at build
// time by the artwork generator; sizes and layouts match the dialogs that show them.
namespace quivlane::resources {

inline constexpr const char* kBar = ":/quivlane/bar.bmp";              // 197 x 419
inline constexpr const char* kAlarmDialog = ":/quivlane/alarm.png";    // 367 x 241
inline constexpr const char* kUrlDialog = ":/quivlane/url.png";        // 470 x 76
inline constexpr const char* kEditor = ":/quivlane/editor.png";        // 809 x 541
inline constexpr const char* kLights = ":/quivlane/lights.png";        // 48 x 128, 16 x 16 cells
inline constexpr const char* kMatrixSize0 = ":/quivlane/matrix0.png";  // 512 x 66
inline constexpr const char* kMatrixSize1 = ":/quivlane/matrix1.png";  // 704 x 90
inline constexpr const char* kMatrixSize2 = ":/quivlane/matrix2.png";  // 352 x 45
inline constexpr const char* kIcon = ":/quivlane/icon.png";            // 64 x 64

// Colour (255, 254, 255) of the areas that the dialogs cut away.
inline constexpr unsigned kColourKeyRgb = 0xFFFEFFu;

// Every picture, so that a program or a test can check that the resources are linked in.
std::array<const char*, 9> AllResourceNames();

}  // namespace quivlane::resources
