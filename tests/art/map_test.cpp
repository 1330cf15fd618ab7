#include <gtest/gtest.h>

#include <cstdlib>

#include "game/testfiles.h"
#include "mapart.h"
#include "world/datafiles.h"

namespace orrowvale::art {
namespace {

// The label's ink must lie strictly inside the rectangle: its border lines belong
// to no city, so a name drawn over them would invite a click that picks nothing.
void expectInside(const CityLabel& label, const MapCity& city) {
    EXPECT_GT(label.inkBox.left(), city.rect.left) << city.name;
    EXPECT_LT(label.inkBox.right(), city.rect.right) << city.name;
    EXPECT_GT(label.inkBox.top(), city.rect.top) << city.name;
    EXPECT_LT(label.inkBox.bottom(), city.rect.bottom) << city.name;
}

TEST(MapLabels, EveryCityOfTheSampleWorldIsNamedInFullInsideItsRectangle) {
    const MapWorld world = readMapWorld(testing::sampleWorld());
    ASSERT_EQ(world.cities.size(), 14u);
    EXPECT_TRUE(world.warnings.empty()) << world.warnings.front();
    const int size = commonLabelSize(world.cities);
    EXPECT_GE(size, 9) << "names this small are hard to read";
    for (const MapCity& city : world.cities) {
        const CityLabel label = layoutCityLabel(city, size);
        EXPECT_EQ(label.text.toStdString(), city.name);
        EXPECT_EQ(label.font.pixelSize(), size) << city.name;
        expectInside(label, city);
    }
}

TEST(MapLabels, AMovedOrResizedRectangleStillHoldsItsName) {
    struct Case {
        std::string name;
        CityRect rect;
        bool named;
    };
    const Case cases[] = {
        {"까마귀항", {300, 500, 40, 140}, true},                 // a large rectangle
        {"은빛나루", {10, 36, 10, 24}, true},                    // a cramped one: a smaller size
        {"아주아주긴이름의항구도시", {48, 92, 320, 340}, true},  // too long: shortened
        {"안개골", {60, 20, 100, 80}, false},  // written right to left: holds nothing
        {"달", {5, 11, 5, 11}, false},         // too small for any text
    };
    for (const Case& c : cases) {
        const MapCity city{1, c.name, c.rect, 1, {}};
        const CityLabel label = layoutCityLabel(city);
        EXPECT_EQ(!label.text.isEmpty(), c.named) << c.name;
        if (c.named) expectInside(label, city);
    }
}

TEST(MapPicture, CoversEveryRectangleAndKeepsItsInteriorsReadable) {
    std::vector<MapCity> cities = {
        {1, "은빛나루", {48, 92, 320, 340}, 1, {2}},
        {2, "까마귀항", {600, 644, 420, 440}, 2, {1}},
    };
    const QImage map = drawMap(cities);
    EXPECT_GE(map.width(), 644 + 16);
    EXPECT_GE(map.height(), 440 + 16);
    EXPECT_EQ(mapSize({}), QSize(400, 390));
    EXPECT_EQ(mapSize({{1, "안개골", {30000, 30044, 40, 60}, 1, {}}}), QSize(2000, 390));
    EXPECT_EQ(drawMap(cities), map) << "the same content must give the same picture";
    // Just inside each rectangle's left edge the plaque is light, whatever the terrain.
    for (const MapCity& city : cities) {
        const QColor inside =
            map.pixelColor(city.rect.left + 3, (city.rect.top + city.rect.bottom) / 2);
        EXPECT_GT(inside.lightness(), 200) << city.name;
    }

    // The detailed map is the same map, twice as large: made small again it is the
    // map, up to the blur of the making.
    const QImage detailed = drawMap(cities, kMapSeed, 2);
    ASSERT_EQ(detailed.size(), map.size() * 2);
    const QImage halved =
        detailed.scaled(map.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long long difference = 0;
    for (int y = 0; y < map.height(); ++y)
        for (int x = 0; x < map.width(); ++x)
            difference += std::abs(qGray(map.pixel(x, y)) - qGray(halved.pixel(x, y)));
    EXPECT_LT(difference / (map.width() * map.height()), 6);
}

TEST(MapWorld, AMissingNationOrRouteFileOnlyCostsTintAndRoads) {
    testing::TempGameDir dir;
    dir.write("data\\city.txt", "3\n은빛나루\n바람언덕\n푸른여울\n");
    dir.write("data\\citylocs.txt", "48 92 320 340\n113 157 235 255\n173 217 315 335\n");
    dir.write("data\\common\\movefile.txt", "move\\01.txt\nmove\\02.txt\nmove\\03.txt\n");
    // City 1 names itself and a city that does not exist: only the road to 2 is drawn.
    dir.write("data\\move\\01.txt", "떠나는 길\n2\n1\n99\n[END]\n0\n");
    dir.write("data\\move\\03.txt", "떠나는 길\n1\n2\n");  // never ends its list
    const MapWorld world = readMapWorld(dir.paths());
    ASSERT_EQ(world.cities.size(), 3u);
    EXPECT_EQ(world.cities[0].destinations, std::vector<int>{2});
    EXPECT_TRUE(world.cities[2].destinations.empty());
    EXPECT_EQ(world.cities[0].nation, 0);
    ASSERT_EQ(world.warnings.size(), 3u);
    EXPECT_NE(world.warnings[0].find("citynat.txt"), std::string::npos) << world.warnings[0];
    EXPECT_NE(world.warnings[1].find("02.txt"), std::string::npos) << world.warnings[1];
    EXPECT_NE(world.warnings[2].find("03.txt"), std::string::npos) << world.warnings[2];

    dir.write("data\\citylocs.txt", "48 92 320 340\n113 157 넓게 255\n173 217 315 335\n");
    EXPECT_THROW(
        try { readMapWorld(dir.paths()); } catch (const DataError& error) {
            EXPECT_NE(std::string(error.what()).find("citylocs.txt:2"), std::string::npos)
                << error.what();
            throw;
        },
        DataError);
}

}  // namespace
}  // namespace orrowvale::art
