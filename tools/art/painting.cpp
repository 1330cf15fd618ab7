#include "painting.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace orrowvale::art {

float ValueNoise::hash(int x, int y) const {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 374761393u +
                      static_cast<std::uint32_t>(y) * 668265263u + seed_ * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<float>(h) / 4294967295.0f;
}

float ValueNoise::at(float x, float y) const {
    const float fx = std::floor(x);
    const float fy = std::floor(y);
    const int ix = static_cast<int>(fx);
    const int iy = static_cast<int>(fy);
    float tx = x - fx;
    float ty = y - fy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const float top = hash(ix, iy) + (hash(ix + 1, iy) - hash(ix, iy)) * tx;
    const float bottom = hash(ix, iy + 1) + (hash(ix + 1, iy + 1) - hash(ix, iy + 1)) * tx;
    return top + (bottom - top) * ty;
}

float ValueNoise::fbm(float x, float y, int octaves) const {
    float sum = 0;
    float amplitude = 0.5f;
    float total = 0;
    for (int i = 0; i < octaves; ++i) {
        // Each octave is shifted so that lattice points do not line up.
        sum += amplitude * at(x + 17.3f * static_cast<float>(i), y - 9.1f * static_cast<float>(i));
        total += amplitude;
        amplitude *= 0.5f;
        x *= 2.03f;
        y *= 2.03f;
    }
    return sum / total;
}

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

float smoothstep(float edge0, float edge1, float x) {
    const float t = clamp01((x - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

QColor mix(const QColor& a, const QColor& b, float t) {
    t = clamp01(t);
    auto channel = [t](int from, int to) {
        return static_cast<int>(
            std::lround(static_cast<float>(from) + static_cast<float>(to - from) * t));
    };
    return QColor(channel(a.red(), b.red()), channel(a.green(), b.green()),
                  channel(a.blue(), b.blue()), channel(a.alpha(), b.alpha()));
}

namespace {

// One horizontal box pass over each row of a w x h grid of 4-channel pixels.
void boxPass(std::vector<float>& data, int w, int h, int radius, bool horizontal) {
    const int length = horizontal ? w : h;
    const int lines = horizontal ? h : w;
    std::vector<float> line(static_cast<std::size_t>(length) * 4);
    for (int l = 0; l < lines; ++l) {
        auto index = [&](int i) {
            const int x = horizontal ? i : l;
            const int y = horizontal ? l : i;
            return (static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                    static_cast<std::size_t>(x)) *
                   4;
        };
        for (int c = 0; c < 4; ++c) {
            float sum = 0;
            for (int i = -radius; i <= radius; ++i)
                sum += data[index(std::clamp(i, 0, length - 1)) + static_cast<std::size_t>(c)];
            for (int i = 0; i < length; ++i) {
                line[static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(c)] =
                    sum / static_cast<float>(2 * radius + 1);
                const int out = std::clamp(i - radius, 0, length - 1);
                const int in = std::clamp(i + radius + 1, 0, length - 1);
                sum += data[index(in) + static_cast<std::size_t>(c)] -
                       data[index(out) + static_cast<std::size_t>(c)];
            }
        }
        for (int i = 0; i < length; ++i)
            for (int c = 0; c < 4; ++c)
                data[index(i) + static_cast<std::size_t>(c)] =
                    line[static_cast<std::size_t>(i) * 4 + static_cast<std::size_t>(c)];
    }
}

}  // namespace

void boxBlur(QImage& image, int radius) {
    if (radius < 1) return;
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = image.width();
    const int h = image.height();
    std::vector<float> data(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 4);
    for (int y = 0; y < h; ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            float* p = &data[(static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                              static_cast<std::size_t>(x)) *
                             4];
            p[0] = static_cast<float>(qRed(row[x]));
            p[1] = static_cast<float>(qGreen(row[x]));
            p[2] = static_cast<float>(qBlue(row[x]));
            p[3] = static_cast<float>(qAlpha(row[x]));
        }
    }
    for (int pass = 0; pass < 3; ++pass) {
        boxPass(data, w, h, radius, true);
        boxPass(data, w, h, radius, false);
    }
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const float* p = &data[(static_cast<std::size_t>(y) * static_cast<std::size_t>(w) +
                                    static_cast<std::size_t>(x)) *
                                   4];
            auto channel = [](float v) {
                return std::clamp(static_cast<int>(std::lround(v)), 0, 255);
            };
            const int a = channel(p[3]);
            // Premultiplied: a colour channel never exceeds alpha.
            row[x] = qRgba(std::min(channel(p[0]), a), std::min(channel(p[1]), a),
                           std::min(channel(p[2]), a), a);
        }
    }
}

}  // namespace orrowvale::art
