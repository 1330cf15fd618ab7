#pragma once

#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

#include "world/gamestate.h"

namespace orrowvale {
class GamePaths;
}

namespace orrowvale::art {

struct MapCity {
    int number = 0;
    std::string name;
    CityRect rect;
    int nation = 0;                 // 0 when the nation file does not say
    std::vector<int> destinations;  // cities its route file leads to
};

// What the map is drawn from, read as the game reads it.
struct MapWorld {
    std::vector<MapCity> cities;
    // Files that could not be read for roads or nations; the map is drawn without them.
    std::vector<std::string> warnings;
};

// Reads "data\city.txt", "data\citylocs.txt" (both required: a DataError names
// the file and line), then "data\common\citynat.txt" and each city's route file
// named in "data\common\movefile.txt" (either missing only costs the tint or roads).
MapWorld readMapWorld(const GamePaths& paths);

// Covers every city rectangle with a margin, and is at least 400 x 390 and at
// most 2000 x 2000.
QSize mapSize(const std::vector<MapCity>& cities);

// A city's name as drawn: the font, the text (shortened with an ellipsis only if
// no size fits) and the box its ink covers, which lies strictly inside the
// rectangle, where the player clicks. Empty text when the rectangle is too small.
struct CityLabel {
    QFont font;
    QString text;
    QRectF inkBox;
    QPointF baseline;
};
inline constexpr int kLargestLabel = 14;
CityLabel layoutCityLabel(const MapCity& city, int largestPixelSize = kLargestLabel);
// The size every label is drawn at, so that names look alike: the largest that
// fits each city, save cities whose rectangle is too small for a readable name.
int commonLabelSize(const std::vector<MapCity>& cities);

inline constexpr std::uint32_t kMapSeed = 20261207;

// The map at its size in map pixels, or with `detail` 2 the same map with twice the
// pixels each way, for screens at 200 %: its ground is the same ground made larger,
// everything drawn on it (roads, rivers, icons, names) drawn again at that size.
QImage drawMap(const std::vector<MapCity>& cities, std::uint32_t seed = kMapSeed, int detail = 1);

}  // namespace orrowvale::art
