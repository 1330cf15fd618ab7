#include "mapart.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "painting.h"
#include "world/datafiles.h"
#include "world/gamepaths.h"
#include "world/worldload.h"

namespace orrowvale::art {
namespace {

constexpr int kMinWidth = 400;
constexpr int kMinHeight = 390;
constexpr int kMargin = 24;
// A rectangle written with a slip of the finger (30000 for 300) must not ask for a
// picture of gigabytes: the map stops here and the author is told.
constexpr int kLargestSide = 2000;

// Reads the destination list of one route file: a free first line, then one city
// number per line up to "[END]". The route blocks after it are the travel rules'
// business; the map only needs to know which cities are joined.
std::vector<int> readDestinations(const GamePaths& paths, const std::string& routeFile, int self,
                                  int cityCount) {
    LineReader reader = LineReader::openData(paths, routeFile);
    reader.readLine();
    std::vector<int> destinations;
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (line == marker::end) return destinations;
        std::int32_t city = 0;
        if (!parseWholeNumber(line, city)) reader.fail("a destination city number or [END]", line);
        if (city >= 1 && city <= cityCount && city != self) destinations.push_back(city);
    }
    reader.failAtEnd("[END] after the destination list");
}

std::string describe(const DataError& error) {
    return error.what();
}

}  // namespace

MapWorld readMapWorld(const GamePaths& paths) {
    auto state = std::make_unique<GameState>();
    loadCityList(*state, paths);
    loadCityRects(*state, paths);
    MapWorld world;
    try {
        loadCityNations(*state, paths, "common\\citynat.txt");
    } catch (const DataError& error) {
        world.warnings.push_back(describe(error) + " (the map is drawn without nations)");
        state->cityNations.fill(0);
    }
    bool haveRoutes = true;
    try {
        loadRouteFiles(*state, paths);
    } catch (const DataError& error) {
        world.warnings.push_back(describe(error) + " (the map is drawn without roads)");
        haveRoutes = false;
    }
    for (int c = 1; c <= state->cityBound(); ++c) {
        MapCity city;
        city.number = c;
        city.name = state->cityNames[c];
        city.rect = state->cityRects[c];
        city.nation = state->cityNations[c];
        if (haveRoutes) {
            try {
                city.destinations =
                    readDestinations(paths, state->routeFiles[c], c, state->cityBound());
            } catch (const DataError& error) {
                world.warnings.push_back(describe(error) + " (no roads drawn from " + city.name +
                                         ")");
            }
        }
        if (std::max({city.rect.left, city.rect.right, city.rect.top, city.rect.bottom}) >
            kLargestSide - kMargin)
            world.warnings.push_back(
                "the rectangle of " + city.name + " in data/citylocs.txt:" + std::to_string(c) +
                " lies beyond the largest map of " + std::to_string(kLargestSide) + " pixels");
        world.cities.push_back(std::move(city));
    }
    return world;
}

QSize mapSize(const std::vector<MapCity>& cities) {
    int width = kMinWidth;
    int height = kMinHeight;
    for (const MapCity& city : cities) {
        width = std::max(width, std::max(city.rect.left, city.rect.right) + kMargin);
        height = std::max(height, std::max(city.rect.top, city.rect.bottom) + kMargin);
    }
    return {std::min(width, kLargestSide), std::min(height, kLargestSide)};
}

CityLabel layoutCityLabel(const MapCity& city, int largestPixelSize) {
    CityLabel label;
    // Only the pixels strictly between the rectangle's lines belong to the city.
    const double insideLeft = city.rect.left + 1;
    const double insideTop = city.rect.top + 1;
    const double insideWidth = city.rect.right - city.rect.left - 1;
    const double insideHeight = city.rect.bottom - city.rect.top - 1;
    const double padX = 2.5;
    const double padY = 2.5;
    const QString name = QString::fromStdString(city.name);
    if (name.isEmpty() || insideWidth < 8 || insideHeight < 8) return label;

    auto fits = [&](const QRectF& ink) {
        return ink.width() <= insideWidth - 2 * padX && ink.height() <= insideHeight - 2 * padY;
    };
    for (int pixels = std::max(largestPixelSize, 6); pixels >= 6; --pixels) {
        QFont font("NanumGothic");
        font.setPixelSize(pixels);
        font.setBold(pixels >= 9);
        font.setHintingPreference(QFont::PreferFullHinting);
        QFontMetricsF metrics(font);
        QString text = name;
        QRectF ink = metrics.tightBoundingRect(text);
        if (!fits(ink) && pixels == 6) {
            text = metrics.elidedText(name, Qt::ElideRight, insideWidth - 2 * padX - 1);
            ink = metrics.tightBoundingRect(text);
        }
        if (!fits(ink) || text.isEmpty()) continue;
        // Centre the ink, then snap the baseline to whole pixels for sharp glyphs.
        const double baseX = std::round(insideLeft + (insideWidth - ink.width()) / 2 - ink.left());
        const double baseY = std::round(insideTop + (insideHeight - ink.height()) / 2 - ink.top());
        label.font = font;
        label.text = text;
        label.baseline = QPointF(baseX, baseY);
        label.inkBox = ink.translated(baseX, baseY);
        return label;
    }
    return label;
}

int commonLabelSize(const std::vector<MapCity>& cities) {
    int common = kLargestLabel;
    for (const MapCity& city : cities) {
        const CityLabel label = layoutCityLabel(city);
        // A city squeezed into a tiny rectangle shrinks alone.
        if (!label.text.isEmpty() && label.font.pixelSize() >= 9)
            common = std::min(common, label.font.pixelSize());
    }
    return common;
}

namespace {

struct NationStyle {
    QColor tint;
    QColor ink;
};

NationStyle nationStyle(int nation) {
    static const NationStyle styles[] = {
        {QColor(196, 72, 52), QColor(128, 36, 28)},  {QColor(58, 96, 178), QColor(28, 52, 120)},
        {QColor(70, 150, 72), QColor(34, 92, 40)},   {QColor(150, 84, 168), QColor(92, 44, 110)},
        {QColor(212, 160, 44), QColor(132, 92, 16)}, {QColor(40, 146, 150), QColor(18, 88, 92)},
        {QColor(176, 108, 64), QColor(108, 60, 30)}, {QColor(120, 120, 120), QColor(64, 64, 64)},
    };
    if (nation <= 0) return {QColor(0, 0, 0, 0), QColor(90, 70, 50)};
    return styles[static_cast<std::size_t>(nation - 1) % std::size(styles)];
}

double distanceToRect(double x, double y, const CityRect& r) {
    const double dx = std::max({static_cast<double>(r.left) - x, 0.0, x - r.right});
    const double dy = std::max({static_cast<double>(r.top) - y, 0.0, y - r.bottom});
    return std::hypot(dx, dy);
}

QPointF centreOf(const CityRect& r) {
    return {(r.left + r.right) / 2.0, (r.top + r.bottom) / 2.0};
}

QRectF rectOf(const CityRect& r) {
    return QRectF(QPointF(std::min(r.left, r.right), std::min(r.top, r.bottom)),
                  QPointF(std::max(r.left, r.right), std::max(r.top, r.bottom)));
}

// Height of the land: positive is land, negative sea. The sea lies to the west and
// south (this is the south-west of a continent), and every city stands on land.
class Terrain {
  public:
    Terrain(const std::vector<MapCity>& cities, QSize size, std::uint32_t seed)
        : w_(size.width()), h_(size.height()), noise_(seed), cities_(cities) {
        height_.resize(static_cast<std::size_t>(w_) * static_cast<std::size_t>(h_));
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                height_[index(x, y)] = computeHeight(x, y);
        measureCoastDistance();
    }

    int width() const { return w_; }
    int height() const { return h_; }
    float heightAt(int x, int y) const {
        return height_[index(std::clamp(x, 0, w_ - 1), std::clamp(y, 0, h_ - 1))];
    }
    // Signed distance to the coast in pixels: positive inland, negative at sea.
    float coastDistance(int x, int y) const {
        return coast_[index(std::clamp(x, 0, w_ - 1), std::clamp(y, 0, h_ - 1))];
    }
    // The coast distance between pixels, for rivers that run down to the sea.
    double coastSample(double x, double y) const {
        const int ix = static_cast<int>(std::floor(x));
        const int iy = static_cast<int>(std::floor(y));
        const double tx = x - ix;
        const double ty = y - iy;
        const double top = coastDistance(ix, iy) * (1 - tx) + coastDistance(ix + 1, iy) * tx;
        const double bottom =
            coastDistance(ix, iy + 1) * (1 - tx) + coastDistance(ix + 1, iy + 1) * tx;
        return top * (1 - ty) + bottom * ty;
    }
    QPointF coastGradient(double x, double y) const {
        return {(coastSample(x + 2, y) - coastSample(x - 2, y)) / 4,
                (coastSample(x, y + 2) - coastSample(x, y - 2)) / 4};
    }
    double sample(double x, double y) const {
        const int ix = static_cast<int>(std::floor(x));
        const int iy = static_cast<int>(std::floor(y));
        const double tx = x - ix;
        const double ty = y - iy;
        const double top = heightAt(ix, iy) * (1 - tx) + heightAt(ix + 1, iy) * tx;
        const double bottom = heightAt(ix, iy + 1) * (1 - tx) + heightAt(ix + 1, iy + 1) * tx;
        return top * (1 - ty) + bottom * ty;
    }
    QPointF gradient(double x, double y) const {
        return {(sample(x + 1, y) - sample(x - 1, y)) / 2,
                (sample(x, y + 1) - sample(x, y - 1)) / 2};
    }
    bool isLand(double x, double y) const { return sample(x, y) > 0; }

  private:
    std::size_t index(int x, int y) const {
        return static_cast<std::size_t>(y) * static_cast<std::size_t>(w_) +
               static_cast<std::size_t>(x);
    }

    // Chamfer distance from the coast line, signed; right at the coast the height's own
    // slope gives a smoother, sub-pixel distance for drawing the line.
    void measureCoastDistance() {
        constexpr float kFar = 1e6f;
        const float diagonal = std::numbers::sqrt2_v<float>;
        std::vector<float> distance(height_.size(), kFar);
        auto land = [&](int x, int y) { return height_[index(x, y)] > 0; };
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x)
                if ((x + 1 < w_ && land(x + 1, y) != land(x, y)) ||
                    (y + 1 < h_ && land(x, y + 1) != land(x, y)) ||
                    (x > 0 && land(x - 1, y) != land(x, y)) ||
                    (y > 0 && land(x, y - 1) != land(x, y)))
                    distance[index(x, y)] = 0.5f;
        auto relax = [&](int x, int y, int dx, int dy, float step) {
            const int nx = x + dx;
            const int ny = y + dy;
            if (nx < 0 || ny < 0 || nx >= w_ || ny >= h_) return;
            distance[index(x, y)] = std::min(distance[index(x, y)], distance[index(nx, ny)] + step);
        };
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                relax(x, y, -1, 0, 1);
                relax(x, y, 0, -1, 1);
                relax(x, y, -1, -1, diagonal);
                relax(x, y, 1, -1, diagonal);
            }
        for (int y = h_ - 1; y >= 0; --y)
            for (int x = w_ - 1; x >= 0; --x) {
                relax(x, y, 1, 0, 1);
                relax(x, y, 0, 1, 1);
                relax(x, y, 1, 1, diagonal);
                relax(x, y, -1, 1, diagonal);
            }
        coast_.resize(height_.size());
        for (int y = 0; y < h_; ++y)
            for (int x = 0; x < w_; ++x) {
                const float v = height_[index(x, y)];
                float d = std::min(distance[index(x, y)], 300.0f);
                if (d < 2) {
                    const QPointF g = gradient(x, y);
                    const double slope = std::max(std::hypot(g.x(), g.y()), 1e-4);
                    d = std::min(d, static_cast<float>(std::abs(v) / slope));
                }
                coast_[index(x, y)] = v > 0 ? d : -d;
            }
    }

    float computeHeight(int x, int y) const {
        const float fx = static_cast<float>(x);
        const float fy = static_cast<float>(y);
        const float wobble = (noise_.fbm(fx / 40, fy / 40 + 50, 3) - 0.5f) * 60;
        auto fall = [](float distance, float reach) {
            return std::pow(clamp01(1 - distance / reach), 1.6f);
        };
        const float edge =
            std::max({fall(fx + wobble, 95), fall(static_cast<float>(h_) - fy + wobble, 95),
                      0.3f * fall(fy + wobble * 0.5f, 40),
                      0.3f * fall(static_cast<float>(w_) - fx + wobble * 0.5f, 40)});
        float value = 0.32f + (noise_.fbm(fx / 95, fy / 95, 5) - 0.5f) * 1.7f - 1.55f * edge;
        double nearest = 1e9;
        for (const MapCity& city : cities_)
            nearest = std::min(nearest, distanceToRect(x, y, city.rect));
        value += 0.45f * static_cast<float>(std::exp(-(nearest / 28) * (nearest / 28)));
        // However the noise falls, a city and a few pixels around it are dry land.
        return std::max(value, static_cast<float>(0.4 - nearest / 14));
    }

    int w_;
    int h_;
    ValueNoise noise_;
    const std::vector<MapCity>& cities_;
    std::vector<float> height_;
    std::vector<float> coast_;
};

// Nearest city and how much nearer it is than the nearest city of another nation.
struct Realm {
    int nation = 0;
    double margin = 1e9;
};

Realm realmAt(const std::vector<MapCity>& cities, double x, double y) {
    double best = 1e9;
    int nation = 0;
    for (const MapCity& city : cities) {
        const double d = std::hypot(x - centreOf(city.rect).x(), y - centreOf(city.rect).y());
        if (d < best) {
            best = d;
            nation = city.nation;
        }
    }
    double other = 1e9;
    for (const MapCity& city : cities)
        if (city.nation != nation)
            other = std::min(other,
                             std::hypot(x - centreOf(city.rect).x(), y - centreOf(city.rect).y()));
    return {nation, other - best};
}

void paintGround(QImage& image, const Terrain& terrain, const std::vector<MapCity>& cities,
                 std::uint32_t seed) {
    const ValueNoise paper(seed + 11);
    const QColor parchment(238, 224, 186);
    const QColor shallow(170, 198, 192);
    const QColor deep(112, 146, 162);
    const QColor ripple(62, 96, 116);
    const QColor coastInk(64, 46, 30);
    const double w = image.width();
    const double h = image.height();
    for (int y = 0; y < image.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const float s = terrain.coastDistance(x, y);
            const float mottle =
                paper.fbm(static_cast<float>(x) / 21, static_cast<float>(y) / 21, 4);
            const float stain =
                paper.fbm(static_cast<float>(x) / 130 + 40, static_cast<float>(y) / 130, 3);
            QColor colour;
            if (s >= 0) {
                colour = parchment;
                const Realm realm = realmAt(cities, x, y);
                const NationStyle style = nationStyle(realm.nation);
                if (style.tint.alpha() > 0) colour = mix(colour, style.tint, 0.11f);
                colour = mix(colour, QColor(150, 140, 92), 0.22f * (1 - clamp01(s / 5)));
                if (realm.margin < 1.3 && s > 2 && ((x + y) / 2) % 3 != 0)
                    colour = mix(colour, QColor(110, 40, 40), 0.7f);
            } else {
                colour = mix(shallow, deep, clamp01(-s / 45));
                for (int k = 1; k <= 3; ++k) {
                    const float d = -s - 4.5f * static_cast<float>(k);
                    const float alpha =
                        clamp01(1 - std::abs(d) / 0.7f) * (0.42f - 0.11f * static_cast<float>(k));
                    colour = mix(colour, ripple, alpha);
                }
            }
            colour = mix(colour, coastInk, clamp01(1.15f - std::abs(s) / 0.8f));
            // Aged paper: mottling, a few broad stains and darker edges.
            float shade = 0.97f + 0.05f * mottle - 0.04f * smoothstep(0.5f, 0.8f, stain);
            const double ex = std::min(x, static_cast<int>(w) - 1 - x) / (w / 2);
            const double ey = std::min(y, static_cast<int>(h) - 1 - y) / (h / 2);
            shade *= static_cast<float>(1 - 0.22 * std::pow(1 - std::min(ex, ey), 6));
            row[x] = qRgb(
                std::clamp(static_cast<int>(static_cast<float>(colour.red()) * shade), 0, 255),
                std::clamp(static_cast<int>(static_cast<float>(colour.green()) * shade), 0, 255),
                std::clamp(static_cast<int>(static_cast<float>(colour.blue()) * shade), 0, 255));
        }
    }
}

// Pixels already taken by cities, roads, rivers or drawings.
class Occupancy {
  public:
    explicit Occupancy(QSize size)
        : w_(size.width()), h_(size.height()), taken_(static_cast<std::size_t>(w_ * h_)) {}
    void take(const QRectF& area) {
        for (int y = std::max(0, static_cast<int>(area.top()));
             y <= std::min(h_ - 1, static_cast<int>(area.bottom())); ++y)
            for (int x = std::max(0, static_cast<int>(area.left()));
                 x <= std::min(w_ - 1, static_cast<int>(area.right())); ++x)
                taken_[static_cast<std::size_t>(y * w_ + x)] = true;
    }
    void takeAround(QPointF point, double radius) {
        take(QRectF(point.x() - radius, point.y() - radius, 2 * radius, 2 * radius));
    }
    bool isFree(const QRectF& area) const {
        if (area.left() < 0 || area.top() < 0 || area.right() >= w_ || area.bottom() >= h_)
            return false;
        for (int y = static_cast<int>(area.top()); y <= static_cast<int>(area.bottom()); ++y)
            for (int x = static_cast<int>(area.left()); x <= static_cast<int>(area.right()); ++x)
                if (taken_[static_cast<std::size_t>(y * w_ + x)]) return false;
        return true;
    }

  private:
    int w_;
    int h_;
    std::vector<bool> taken_;
};

// Rivers run downhill from the high ground to the sea; one that loses its way is dropped.
std::vector<std::vector<QPointF>> traceRivers(const Terrain& terrain,
                                              const std::vector<MapCity>& cities,
                                              std::uint32_t seed) {
    const ValueNoise wander(seed + 29);
    struct Source {
        QPointF at;
        float height;
    };
    std::vector<Source> sources;
    for (int y = 20; y < terrain.height() - 20; y += 6)
        for (int x = 20; x < terrain.width() - 20; x += 6) {
            double nearest = 1e9;
            for (const MapCity& city : cities)
                nearest = std::min(nearest, distanceToRect(x, y, city.rect));
            if (nearest > 20 && terrain.coastDistance(x, y) > 16)
                sources.push_back({QPointF(x, y), terrain.coastDistance(x, y)});
        }
    std::sort(sources.begin(), sources.end(),
              [](const Source& a, const Source& b) { return a.height > b.height; });

    std::vector<std::vector<QPointF>> rivers;
    std::vector<QPointF> used;
    int tries = 0;
    for (const Source& source : sources) {
        if (rivers.size() >= 3 || ++tries > 150) break;
        const bool crowded = std::any_of(used.begin(), used.end(), [&](QPointF p) {
            return std::hypot(p.x() - source.at.x(), p.y() - source.at.y()) < 70;
        });
        if (crowded) continue;
        std::vector<QPointF> path{source.at};
        QPointF direction(0, 0);
        bool reachedSea = false;
        for (int step = 0; step < 900 && !reachedSea; ++step) {
            const QPointF p = path.back();
            QPointF g = terrain.coastGradient(p.x(), p.y());
            const double length = std::max(std::hypot(g.x(), g.y()), 1e-6);
            const double turn =
                (wander.at(static_cast<float>(step) / 14.0f, static_cast<float>(tries) * 7) - 0.5) *
                2.4;
            QPointF downhill(-g.x() / length, -g.y() / length);
            downhill =
                QPointF(downhill.x() - downhill.y() * turn, downhill.y() + downhill.x() * turn);
            direction = direction * 0.6 + downhill * 0.4;
            const double dl = std::max(std::hypot(direction.x(), direction.y()), 1e-6);
            const QPointF next = p + direction * (2.0 / dl);
            path.push_back(next);
            // Leaving the picture counts too: the river flows on beyond the map.
            const bool offMap = next.x() < 3 || next.y() < 3 || next.x() > terrain.width() - 3 ||
                                next.y() > terrain.height() - 3;
            reachedSea = offMap || !terrain.isLand(next.x(), next.y());
        }
        const bool crossesCity = std::any_of(path.begin(), path.end(), [&](QPointF p) {
            return std::any_of(cities.begin(), cities.end(), [&](const MapCity& city) {
                return distanceToRect(p.x(), p.y(), city.rect) < 3;
            });
        });
        if (reachedSea && !crossesCity && path.size() > 45 && path.size() < 400) {
            used.push_back(source.at);
            // Run on a little into the sea so the mouth meets the coast line.
            const QPointF last = path.back();
            const QPointF before = path[path.size() - 2];
            path.push_back(last + (last - before) * 1.5);
            rivers.push_back(std::move(path));
        }
    }
    return rivers;
}

void drawRiver(QPainter& painter, const std::vector<QPointF>& river) {
    const QColor water(74, 116, 150);
    for (std::size_t i = 1; i < river.size(); ++i) {
        const double t = static_cast<double>(i) / static_cast<double>(river.size());
        painter.setPen(QPen(water, 0.7 + 1.9 * t, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(river[i - 1], river[i]);
    }
}

struct Road {
    QPainterPath path;
    std::vector<QPointF> samples;
};

std::vector<Road> planRoads(const std::vector<MapCity>& cities) {
    std::vector<Road> roads;
    std::vector<std::pair<int, int>> seen;
    for (const MapCity& city : cities)
        for (int destination : city.destinations) {
            const std::pair<int, int> pair = std::minmax(city.number, destination);
            if (std::find(seen.begin(), seen.end(), pair) != seen.end()) continue;
            seen.push_back(pair);
            const QPointF from = centreOf(cities[static_cast<std::size_t>(pair.first - 1)].rect);
            const QPointF to = centreOf(cities[static_cast<std::size_t>(pair.second - 1)].rect);
            const QPointF along = to - from;
            const double length = std::hypot(along.x(), along.y());
            if (length < 1) continue;
            // A gentle bend, always the same for the same two cities.
            const double bend = ((pair.first * 7 + pair.second * 13) % 5 - 2) * 0.06 * length;
            const QPointF control =
                (from + to) / 2 + QPointF(-along.y(), along.x()) * (bend / length);
            Road road;
            road.path.moveTo(from);
            road.path.quadTo(control, to);
            for (int k = 0; k <= 40; ++k)
                road.samples.push_back(road.path.pointAtPercent(k / 40.0));
            roads.push_back(std::move(road));
        }
    return roads;
}

enum class Glyph { Mountain, Hill, Tree };
struct Feature {
    Glyph glyph;
    QPointF base;
    double width;
    double height;
};

std::vector<Feature> placeFeatures(const Terrain& terrain, Occupancy& occupancy,
                                   std::uint32_t seed) {
    const ValueNoise ridge(seed + 41);
    const ValueNoise woods(seed + 53);
    const ValueNoise jitter(seed + 67);
    std::vector<Feature> features;
    for (int gy = 0; gy < terrain.height(); gy += 15)
        for (int gx = 0; gx < terrain.width(); gx += 17) {
            const double x = gx + (jitter.hash(gx, gy) - 0.5) * 10;
            const double y = gy + (jitter.hash(gy, gx) - 0.5) * 8;
            const float m = ridge.fbm(static_cast<float>(x) / 75, static_cast<float>(y) / 75, 4);
            const int ix = static_cast<int>(x);
            const int iy = static_cast<int>(y);
            if (terrain.coastDistance(ix, iy) < 9) continue;
            Feature feature{Glyph::Mountain, QPointF(x, y), 0, 0};
            if (m > 0.57f) {
                feature.width = 17 + jitter.hash(ix, iy) * 7;
                feature.height = 8 + (m - 0.57) * 55 + jitter.hash(iy, ix) * 4;
            } else if (m > 0.5f && jitter.hash(ix + 5, iy) < 0.6f) {
                feature = {Glyph::Hill, QPointF(x, y), 10 + jitter.hash(ix, iy) * 5, 4};
            } else {
                continue;
            }
            const QRectF footprint(x - feature.width / 2 - 1, y - feature.height - 1,
                                   feature.width + 2, feature.height + 3);
            if (!occupancy.isFree(footprint)) continue;
            occupancy.take(footprint);
            features.push_back(feature);
        }
    for (int gy = 0; gy < terrain.height(); gy += 7)
        for (int gx = 0; gx < terrain.width(); gx += 7) {
            const double x = gx + (jitter.hash(gx + 3, gy) - 0.5) * 5;
            const double y = gy + (jitter.hash(gy + 3, gx) - 0.5) * 5;
            const float f = woods.fbm(static_cast<float>(x) / 55, static_cast<float>(y) / 55, 4);
            if (f < 0.56f || terrain.coastDistance(static_cast<int>(x), static_cast<int>(y)) < 4)
                continue;
            if (jitter.hash(static_cast<int>(x * 3), static_cast<int>(y * 3)) >
                0.25f + (f - 0.56f) * 8)
                continue;
            const QRectF footprint(x - 3, y - 9, 6, 10);
            if (!occupancy.isFree(footprint)) continue;
            occupancy.take(footprint.adjusted(1, 2, -1, -1));
            features.push_back({Glyph::Tree, QPointF(x, y), 6, 9});
        }
    std::sort(features.begin(), features.end(),
              [](const Feature& a, const Feature& b) { return a.base.y() < b.base.y(); });
    return features;
}

void drawPeak(QPainter& painter, QPointF base, double width, double height, bool snowy) {
    const QColor ink(76, 56, 38);
    const double x = base.x();
    const double y = base.y();
    const QPointF peak(x + width * 0.06, y - height);
    const QPointF left(x - width / 2, y);
    const QPointF right(x + width / 2, y);
    QPainterPath body;
    body.moveTo(left);
    body.quadTo(QPointF(x - width * 0.12, y - height * 0.45), peak);
    body.quadTo(QPointF(x + width * 0.2, y - height * 0.45), right);
    body.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(234, 220, 186));
    painter.drawPath(body);
    QPainterPath shadow;
    shadow.moveTo(peak);
    shadow.quadTo(QPointF(x + width * 0.2, y - height * 0.45), right);
    shadow.quadTo(QPointF(x + width * 0.1, y - height * 0.3), QPointF(x + width * 0.02, y));
    shadow.quadTo(QPointF(x + width * 0.02, y - height * 0.5), peak);
    painter.setBrush(QColor(140, 112, 80, 165));
    painter.drawPath(shadow);
    if (snowy) {
        const double cap = height * 0.3;
        QPainterPath snow;
        snow.moveTo(peak);
        snow.lineTo(peak + QPointF(-cap * 0.5, cap));
        snow.lineTo(peak + QPointF(-cap * 0.12, cap * 0.72));
        snow.lineTo(peak + QPointF(cap * 0.12, cap));
        snow.lineTo(peak + QPointF(cap * 0.42, cap * 0.8));
        snow.closeSubpath();
        painter.setBrush(QColor(252, 250, 244));
        painter.drawPath(snow);
    }
    QPainterPath outline;
    outline.moveTo(left);
    outline.quadTo(QPointF(x - width * 0.12, y - height * 0.45), peak);
    outline.quadTo(QPointF(x + width * 0.2, y - height * 0.45), right);
    painter.setPen(QPen(ink, 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
}

void drawFeature(QPainter& painter, const Feature& f) {
    const QColor ink(76, 56, 38);
    const double x = f.base.x();
    const double y = f.base.y();
    if (f.glyph == Glyph::Mountain) {
        // A shoulder peak behind, then the main peak with concave flanks.
        const double side = static_cast<int>(x + y) % 2 == 0 ? 1 : -1;
        drawPeak(painter, QPointF(x + side * f.width * 0.38, y - 1), f.width * 0.7, f.height * 0.62,
                 false);
        drawPeak(painter, f.base, f.width, f.height, f.height > 12);
    } else if (f.glyph == Glyph::Hill) {
        QPainterPath hill;
        hill.moveTo(x - f.width / 2, y);
        hill.cubicTo(x - f.width / 4, y - f.height * 1.6, x + f.width / 4, y - f.height * 1.6,
                     x + f.width / 2, y);
        painter.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(hill);
        painter.setPen(QPen(QColor(ink.red(), ink.green(), ink.blue(), 120), 0.6));
        painter.drawLine(QPointF(x + f.width * 0.15, y - 2), QPointF(x + f.width * 0.05, y - 0.5));
        painter.drawLine(QPointF(x + f.width * 0.32, y - 1.5), QPointF(x + f.width * 0.22, y));
    } else {
        painter.setPen(QPen(QColor(86, 64, 40), 1.0));
        painter.drawLine(QPointF(x, y), QPointF(x, y - 2.5));
        painter.setPen(QPen(QColor(46, 66, 36), 0.8));
        painter.setBrush(QColor(96, 128, 70));
        painter.drawEllipse(QPointF(x, y - 5.2), 2.9, 3.5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(150, 176, 104, 170));
        painter.drawEllipse(QPointF(x - 0.9, y - 6.3), 1.1, 1.3);
    }
}

enum class Settlement { Town, Castle, Port };

Settlement settlementOf(const std::string& name) {
    const QString text = QString::fromStdString(name);
    if (text.contains(QStringLiteral("항")) || text.contains(QStringLiteral("포구")) ||
        text.contains(QStringLiteral("나루")))
        return Settlement::Port;
    if (text.contains(QStringLiteral("성"))) return Settlement::Castle;
    return Settlement::Town;
}

// The small picture above (or below) a city's plaque; empty when neither fits.
QRectF placeIcon(const MapCity& city, const std::vector<MapCity>& cities, QSize size) {
    const QRectF rect = rectOf(city.rect);
    const QSizeF icon(16, 13);
    const std::array candidates = {
        QRectF(QPointF(rect.center().x() - icon.width() / 2, rect.top() - icon.height() - 1), icon),
        QRectF(QPointF(rect.center().x() - icon.width() / 2, rect.bottom() + 2), icon),
    };
    for (const QRectF& candidate : candidates) {
        if (candidate.top() < 8 || candidate.bottom() > size.height() - 8) continue;
        const bool clear = std::none_of(cities.begin(), cities.end(), [&](const MapCity& other) {
            return rectOf(other.rect).adjusted(-1, -1, 1, 1).intersects(candidate);
        });
        if (clear) return candidate;
    }
    return {};
}

void drawIcon(QPainter& painter, Settlement kind, const QRectF& box, const NationStyle& style) {
    const QColor ink(60, 42, 28);
    const QColor wall(236, 226, 200);
    const QColor roof = style.tint.alpha() > 0 ? style.tint.darker(115) : QColor(150, 90, 60);
    const double cx = box.center().x();
    const double bottom = box.bottom();
    painter.setPen(QPen(ink, 0.9, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    if (kind == Settlement::Castle) {
        painter.setBrush(wall);
        painter.drawRect(QRectF(cx - 6, bottom - 7, 12, 7));
        painter.drawRect(QRectF(cx - 2.5, bottom - 11, 5, 11));
        painter.setBrush(roof);
        painter.drawPolygon(QPolygonF({QPointF(cx - 3.5, bottom - 11), QPointF(cx, bottom - 15),
                                       QPointF(cx + 3.5, bottom - 11)}));
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        for (double dx : {-5.5, -3.5, 3.5, 5.5})
            painter.drawRect(QRectF(cx + dx - 0.5, bottom - 8.5, 1, 1.5));
        painter.drawRect(QRectF(cx - 1, bottom - 3, 2, 3));
    } else if (kind == Settlement::Port) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(40, 56, 80), 1.3, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(cx, bottom - 11), QPointF(cx, bottom - 1));
        painter.drawLine(QPointF(cx - 3, bottom - 8.5), QPointF(cx + 3, bottom - 8.5));
        painter.drawArc(QRectF(cx - 5, bottom - 8, 10, 8), 200 * 16, 140 * 16);
        painter.setBrush(wall);
        painter.setPen(QPen(QColor(40, 56, 80), 1.0));
        painter.drawEllipse(QPointF(cx, bottom - 12), 1.6, 1.6);
    } else {
        for (double dx : {-3.5, 3.0}) {
            const double s = dx < 0 ? 1.0 : 0.8;
            const double base = bottom - (dx < 0 ? 0 : 1);
            painter.setBrush(wall);
            painter.drawRect(QRectF(cx + dx - 3 * s, base - 5 * s, 6 * s, 5 * s));
            painter.setBrush(roof);
            painter.drawPolygon(
                QPolygonF({QPointF(cx + dx - 4 * s, base - 5 * s), QPointF(cx + dx, base - 9 * s),
                           QPointF(cx + dx + 4 * s, base - 5 * s)}));
        }
    }
}

void drawPlaque(QPainter& painter, const MapCity& city, const NationStyle& style, int labelSize) {
    const QRectF inside = rectOf(city.rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(40, 26, 10, 70));
    painter.drawRoundedRect(inside.translated(1.2, 1.4), 3, 3);
    painter.setBrush(QColor(253, 248, 232));
    painter.setPen(QPen(style.ink, 1.2));
    painter.drawRoundedRect(inside, 3, 3);
    const CityLabel label = layoutCityLabel(city, labelSize);
    if (label.text.isEmpty()) return;
    painter.setFont(label.font);
    painter.setPen(QColor(36, 24, 14));
    painter.drawText(label.baseline, label.text);
}

// A compass rose in the corner with the fewest cities, if one is free.
void drawCompass(QPainter& painter, const Terrain& terrain, Occupancy& occupancy) {
    const double size = 54;
    const int w = terrain.width();
    const int h = terrain.height();
    const std::array corners = {QRectF(w - size - 14, h - size - 14, size, size),
                                QRectF(14, h - size - 14, size, size),
                                QRectF(w - size - 14, 14, size, size), QRectF(14, 14, size, size)};
    QRectF chosen;
    int bestSea = -1;
    for (const QRectF& corner : corners) {
        if (!occupancy.isFree(corner)) continue;
        int sea = 0;
        for (int y = static_cast<int>(corner.top()); y < corner.bottom(); y += 4)
            for (int x = static_cast<int>(corner.left()); x < corner.right(); x += 4)
                if (terrain.coastDistance(x, y) < 0) ++sea;
        if (sea > bestSea) {
            bestSea = sea;
            chosen = corner;
        }
    }
    if (chosen.isNull()) return;
    occupancy.take(chosen);
    const QPointF c = chosen.center() + QPointF(0, 4);
    const double r = size / 2 - 7;
    const QColor ink(70, 50, 34);
    painter.setPen(QPen(ink, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(c, r * 0.62, r * 0.62);
    painter.drawEllipse(c, r * 0.56, r * 0.56);
    for (int k = 0; k < 8; ++k) {
        const double angle = k * std::numbers::pi / 4 - std::numbers::pi / 2;
        const double length = k % 2 == 0 ? r : r * 0.55;
        const QPointF tip = c + QPointF(std::cos(angle), std::sin(angle)) * length;
        const double side = length * 0.22;
        const QPointF leftSide = c + QPointF(std::cos(angle - std::numbers::pi / 2),
                                             std::sin(angle - std::numbers::pi / 2)) *
                                         side;
        const QPointF rightSide = c + QPointF(std::cos(angle + std::numbers::pi / 2),
                                              std::sin(angle + std::numbers::pi / 2)) *
                                          side;
        painter.setPen(QPen(ink, 0.7));
        painter.setBrush(k == 0 ? QColor(150, 40, 30) : QColor(86, 64, 44));
        painter.drawPolygon(QPolygonF({c, leftSide, tip}));
        painter.setBrush(QColor(246, 238, 214));
        painter.drawPolygon(QPolygonF({c, rightSide, tip}));
    }
    QFont font("NanumMyeongjo");
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QRectF(c.x() - 10, c.y() - r - 13, 20, 12), Qt::AlignCenter,
                     QStringLiteral("북"));
}

// The map's name on a ribbon, where it hides no city, road or river; preferably
// out at sea and low on the sheet, as old maps have it. Left out when nothing is free.
void drawTitleRibbon(QPainter& painter, const Terrain& terrain, Occupancy& occupancy) {
    const QString title = QStringLiteral("로반햄 대륙 서남부");
    QFont font("NanumMyeongjo");
    font.setPixelSize(12);
    font.setBold(true);
    const QFontMetricsF metrics(font);
    const QSizeF size(metrics.horizontalAdvance(title) + 34, 20);
    QRectF best;
    double bestScore = -1;
    for (double y = 12; y + size.height() < terrain.height() - 12; y += 4)
        for (double x = 12; x + size.width() < terrain.width() - 12; x += 4) {
            const QRectF box(QPointF(x, y), size);
            if (!occupancy.isFree(box.adjusted(-3, -3, 3, 3))) continue;
            int sea = 0;
            int samples = 0;
            for (double sy = box.top(); sy <= box.bottom(); sy += 5)
                for (double sx = box.left(); sx <= box.right(); sx += 5, ++samples)
                    if (terrain.coastDistance(static_cast<int>(sx), static_cast<int>(sy)) < 0)
                        ++sea;
            const double score = 2.0 * sea / samples + y / terrain.height();
            if (score > bestScore) {
                bestScore = score;
                best = box;
            }
        }
    if (best.isNull()) return;
    occupancy.take(best);
    const QColor ink(74, 50, 30);
    const QColor cloth(246, 236, 208);
    const QColor fold(214, 196, 158);
    const double cut = 7;
    // The ribbon's tails, folded behind its middle.
    for (const double side : {-1.0, 1.0}) {
        const double edge = side < 0 ? best.left() : best.right();
        const double inner = edge - side * 12;
        QPolygonF tail({QPointF(inner, best.top() + 4), QPointF(edge, best.top() + 4),
                        QPointF(edge - side * cut, best.center().y() + 2),
                        QPointF(edge, best.bottom()), QPointF(inner, best.bottom())});
        painter.setPen(QPen(ink, 0.9));
        painter.setBrush(fold);
        painter.drawPolygon(tail);
    }
    const QRectF middle = best.adjusted(8, 0, -8, -4);
    painter.setBrush(cloth);
    painter.drawRect(middle);
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(middle, Qt::AlignCenter, title);
}

void drawFrame(QPainter& painter, QSize size) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(74, 52, 32), 2.0));
    painter.drawRect(QRectF(2, 2, size.width() - 4, size.height() - 4));
    painter.setPen(QPen(QColor(74, 52, 32, 170), 0.8));
    painter.drawRect(QRectF(5.5, 5.5, size.width() - 11, size.height() - 11));
}

}  // namespace

QImage drawMap(const std::vector<MapCity>& cities, std::uint32_t seed, int detail) {
    const QSize size = mapSize(cities);
    const Terrain terrain(cities, size, seed);
    QImage image(size, QImage::Format_RGB32);
    paintGround(image, terrain, cities, seed);
    if (detail > 1)
        image = image.scaled(size * detail, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);

    Occupancy occupancy(size);
    occupancy.take(QRectF(0, 0, size.width(), 9));
    occupancy.take(QRectF(0, size.height() - 9, size.width(), 9));
    occupancy.take(QRectF(0, 0, 9, size.height()));
    occupancy.take(QRectF(size.width() - 9, 0, 9, size.height()));
    std::vector<QRectF> icons;
    for (const MapCity& city : cities) {
        occupancy.take(rectOf(city.rect).adjusted(-4, -4, 4, 4));
        icons.push_back(placeIcon(city, cities, size));
        if (!icons.back().isNull()) occupancy.take(icons.back().adjusted(-2, -2, 2, 2));
    }
    const std::vector<Road> roads = planRoads(cities);
    for (const Road& road : roads)
        for (const QPointF& p : road.samples)
            occupancy.takeAround(p, 4);
    const auto rivers = traceRivers(terrain, cities, seed);
    for (const auto& river : rivers)
        for (const QPointF& p : river)
            occupancy.takeAround(p, 3);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(detail, detail);
    drawCompass(painter, terrain, occupancy);
    drawTitleRibbon(painter, terrain, occupancy);
    for (const auto& river : rivers)
        drawRiver(painter, river);
    for (const Feature& feature : placeFeatures(terrain, occupancy, seed))
        drawFeature(painter, feature);
    for (const Road& road : roads) {
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(QColor(250, 242, 220, 150), 3.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(road.path);
        QPen dashes(QColor(122, 84, 50), 1.5, Qt::CustomDashLine, Qt::RoundCap);
        dashes.setDashPattern({3, 2.2});
        painter.setPen(dashes);
        painter.drawPath(road.path);
    }
    for (std::size_t i = 0; i < cities.size(); ++i) {
        const NationStyle style = nationStyle(cities[i].nation);
        if (!icons[i].isNull()) drawIcon(painter, settlementOf(cities[i].name), icons[i], style);
    }
    // Where plaques overlap, the lower-numbered city lies on top, as a click picks it.
    const int labelSize = commonLabelSize(cities);
    for (auto city = cities.rbegin(); city != cities.rend(); ++city)
        drawPlaque(painter, *city, nationStyle(city->nation), labelSize);
    drawFrame(painter, size);
    painter.end();
    return image;
}

}  // namespace orrowvale::art
