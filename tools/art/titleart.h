#pragma once

#include <QImage>
#include <cstdint>

namespace orrowvale::art {

inline constexpr int kTitleWidth = 640;
inline constexpr int kTitleHeight = 480;
inline constexpr std::uint32_t kTitleSeed = 1207;

// The title picture: a guild hall on a hill under the night sky, with the game's
// name in Korean and in Latin letters.
QImage drawTitle(std::uint32_t seed = kTitleSeed);

}  // namespace orrowvale::art
