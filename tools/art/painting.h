#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace orrowvale::art {

// Smooth value noise on a seeded lattice: the same seed always paints the same
// picture, so a rebuilt map only changes where the content changed.
class ValueNoise {
  public:
    explicit ValueNoise(std::uint32_t seed) : seed_(seed) {}
    // 0..1, smooth between lattice points one unit apart.
    float at(float x, float y) const;
    // Several octaves summed, still 0..1.
    float fbm(float x, float y, int octaves) const;
    // A hash of integer coordinates, 0..1; for jitter and scattering.
    float hash(int x, int y) const;

  private:
    std::uint32_t seed_;
};

float clamp01(float v);
float smoothstep(float edge0, float edge1, float x);
QColor mix(const QColor& a, const QColor& b, float t);
// Blurs an ARGB32 premultiplied image in place with three box passes.
void boxBlur(QImage& image, int radius);

}  // namespace orrowvale::art
