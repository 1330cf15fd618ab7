#pragma once

#include <QImage>
#include <cstdint>

namespace orrowvale::art {

inline constexpr int kTitleWidth = 640;
inline constexpr int kTitleHeight = 480;
inline constexpr std::uint32_t kTitleSeed = 1207;

// The title picture: a guild hall on a hill under the night sky, with the game's
// name in Korean and in Latin letters.
// With `detail` 2 the same picture with twice the pixels each way, for 200 %.
QImage drawTitle(std::uint32_t seed = kTitleSeed, int detail = 1);

// The part of the title's scene the icon shows: the hall, its flag and its gate.
inline const QRect kIconCrop{100, 160, 300, 300};

// The desktop icon, SIZE pixels square: the title's hall without the lettering, on a
// rounded square with transparent corners.
QImage drawIcon(int size, std::uint32_t seed = kTitleSeed);

}  // namespace orrowvale::art
