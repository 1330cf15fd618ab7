#include "titleart.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>
#include <numbers>

#include "painting.h"

namespace orrowvale::art {
namespace {

constexpr double W = kTitleWidth;
constexpr double H = kTitleHeight;

// The outline of a range of hills: y at each x from a few octaves of noise.
QPainterPath ridge(const ValueNoise& noise, double base, double amplitude, double scale,
                   int octaves, double offset) {
    QPainterPath path;
    path.moveTo(0, H);
    for (int x = 0; x <= static_cast<int>(W); x += 2) {
        const double n =
            noise.fbm(static_cast<float>(x / scale + offset), static_cast<float>(offset), octaves);
        path.lineTo(x, base - (n - 0.5) * 2 * amplitude);
    }
    path.lineTo(W, H);
    path.closeSubpath();
    return path;
}

void paintSky(QPainter& painter, const ValueNoise& noise) {
    QLinearGradient sky(0, 0, 0, H);
    sky.setColorAt(0.0, QColor(5, 7, 26));
    sky.setColorAt(0.38, QColor(22, 22, 64));
    sky.setColorAt(0.62, QColor(64, 46, 104));
    sky.setColorAt(0.76, QColor(150, 88, 118));
    sky.setColorAt(0.86, QColor(226, 148, 116));
    sky.setColorAt(1.0, QColor(240, 180, 130));
    painter.fillRect(QRectF(0, 0, W, H), sky);

    // A faint band of distant stars across the sky.
    QImage band(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    band.fill(Qt::transparent);
    for (int y = 0; y < 330; ++y)
        for (int x = 0; x < static_cast<int>(W); ++x) {
            const double along = (y - 40 - x * 0.33) / 70.0;
            const double strength =
                std::exp(-along * along) *
                noise.fbm(static_cast<float>(x) / 60, static_cast<float>(y) / 60, 4);
            const int alpha = static_cast<int>(std::clamp(strength * 80 - 12, 0.0, 60.0));
            band.setPixel(x, y, qRgba(alpha * 190 / 255, alpha * 180 / 255, alpha, alpha));
        }
    boxBlur(band, 2);
    painter.drawImage(0, 0, band);

    for (int i = 0; i < 460; ++i) {
        const double x = noise.hash(i, 1) * W;
        const double y = std::pow(noise.hash(i, 2), 1.5) * 360;
        const double fade = std::clamp(1.0 - y / 380, 0.0, 1.0);
        const double brightness = (0.25 + 0.75 * std::pow(noise.hash(i, 3), 3)) * fade;
        const double radius = 0.45 + 1.1 * std::pow(noise.hash(i, 4), 4);
        const QColor tint = noise.hash(i, 5) < 0.2 ? QColor(255, 220, 190) : QColor(220, 230, 255);
        QRadialGradient glow(QPointF(x, y), radius * 2.2);
        glow.setColorAt(
            0, QColor(tint.red(), tint.green(), tint.blue(), static_cast<int>(255 * brightness)));
        glow.setColorAt(1, QColor(tint.red(), tint.green(), tint.blue(), 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(QPointF(x, y), radius * 2.2, radius * 2.2);
        if (radius > 1.1 && brightness > 0.5) {
            painter.setPen(QPen(QColor(230, 236, 255, static_cast<int>(120 * brightness)), 0.6));
            painter.drawLine(QPointF(x - radius * 5, y), QPointF(x + radius * 5, y));
            painter.drawLine(QPointF(x, y - radius * 5), QPointF(x, y + radius * 5));
        }
    }
}

void paintMoon(QPainter& painter, const ValueNoise& noise) {
    const QPointF centre(528, 92);
    const double radius = 30;
    QRadialGradient halo(centre, 170);
    halo.setColorAt(0, QColor(255, 240, 210, 90));
    halo.setColorAt(0.25, QColor(220, 200, 230, 40));
    halo.setColorAt(1, QColor(120, 100, 180, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(centre, 170, 170);
    QRadialGradient disk(centre + QPointF(-8, -8), radius * 1.4);
    disk.setColorAt(0, QColor(255, 251, 236));
    disk.setColorAt(1, QColor(232, 218, 186));
    painter.setBrush(disk);
    painter.drawEllipse(centre, radius, radius);
    for (int i = 0; i < 9; ++i) {
        const double angle = noise.hash(i, 40) * 2 * std::numbers::pi;
        const double distance = std::sqrt(noise.hash(i, 41)) * radius * 0.7;
        const double size = 2 + noise.hash(i, 42) * 6;
        painter.setBrush(QColor(190, 176, 150, 70));
        painter.drawEllipse(centre + QPointF(std::cos(angle), std::sin(angle)) * distance, size,
                            size * 0.85);
    }
}

// Thin clouds drifting across the moon, painted soft on their own layer.
void paintClouds(QPainter& painter) {
    QImage layer(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 56, 110, 150));
        p.drawEllipse(QRectF(400, 106, 190, 14));
        p.drawEllipse(QRectF(470, 98, 150, 10));
        p.drawEllipse(QRectF(20, 236, 240, 16));
        p.drawEllipse(QRectF(120, 228, 170, 10));
        p.setBrush(QColor(150, 100, 130, 110));
        p.drawEllipse(QRectF(360, 262, 260, 14));
        p.drawEllipse(QRectF(300, 272, 160, 9));
    }
    boxBlur(layer, 4);
    painter.drawImage(0, 0, layer);
}

void paintMist(QPainter& painter, double top, double height, QColor colour) {
    QLinearGradient mist(0, top, 0, top + height);
    colour.setAlpha(0);
    mist.setColorAt(0, colour);
    colour.setAlpha(110);
    mist.setColorAt(0.5, colour);
    colour.setAlpha(0);
    mist.setColorAt(1, colour);
    painter.fillRect(QRectF(0, top, W, height), mist);
}

QPainterPath pineTree(double x, double base, double height) {
    QPainterPath tree;
    const double width = height * 0.42;
    for (int tier = 0; tier < 3; ++tier) {
        const double top = base - height + tier * height * 0.24;
        const double bottom = base - height * 0.12 - (2 - tier) * height * 0.16;
        const double half = width * (0.45 + tier * 0.25);
        tree.addPolygon(
            QPolygonF({QPointF(x, top), QPointF(x + half, bottom), QPointF(x - half, bottom)}));
    }
    tree.addRect(QRectF(x - height * 0.04, base - height * 0.15, height * 0.08, height * 0.15));
    return tree.simplified();
}

struct Hall {
    QPainterPath silhouette;
    std::vector<QRectF> windows;
    QPointF spire;      // where the great flag flies
    QRectF wallBanner;  // the guild's banner on the keep
};

Hall buildHall() {
    Hall hall;
    QPainterPath& s = hall.silhouette;
    const double ground = 368;
    auto tower = [&](double left, double width, double top, double roof) {
        s.addRect(QRectF(left, top, width, ground - top));
        s.addPolygon(QPolygonF({QPointF(left - 3, top), QPointF(left + width / 2, top - roof),
                                QPointF(left + width + 3, top)}));
    };
    auto battlements = [&](double left, double right, double top) {
        for (double x = left; x + 4 <= right; x += 8)
            s.addRect(QRectF(x, top - 5, 4.5, 5));
    };
    // The keep, its towers and the guild hall's long wing.
    s.addRect(QRectF(196, 292, 100, ground - 292));
    battlements(196, 296, 292);
    tower(178, 24, 272, 34);
    tower(292, 26, 262, 38);
    tower(232, 28, 254, 40);
    s.addRect(QRectF(316, 322, 78, ground - 322));
    s.addPolygon(
        QPolygonF({QPointF(312, 322), QPointF(330, 300), QPointF(380, 300), QPointF(398, 322)}));
    tower(388, 14, 312, 20);
    s.addRect(QRectF(140, 330, 40, ground - 330));
    battlements(140, 180, 330);
    s.addRect(QRectF(120, 318, 18, ground - 318));
    s.addPolygon(QPolygonF({QPointF(117, 318), QPointF(129, 300), QPointF(141, 318)}));
    hall.silhouette = s.simplified();
    hall.spire = QPointF(246, 189);

    for (double x : {206.0, 222.0, 266.0, 282.0})
        hall.windows.push_back(QRectF(x, 318, 4, 7));
    for (double x : {239.0, 250.0})
        hall.windows.push_back(QRectF(x, 266, 3.5, 7));
    hall.windows.push_back(QRectF(187, 290, 4, 6));
    hall.windows.push_back(QRectF(302, 282, 4, 6));
    for (double x : {324.0, 336.0, 348.0, 360.0, 372.0})
        hall.windows.push_back(QRectF(x, 334, 5, 8));
    hall.windows.push_back(QRectF(153, 342, 4, 6));
    hall.windows.push_back(QRectF(242, 350, 9, 18));  // the open gate
    hall.wallBanner = QRectF(257, 298, 16, 34);
    return hall;
}

void paintHall(QPainter& painter, const Hall& hall, double time) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(16, 12, 32));
    painter.drawPath(hall.silhouette);
    // Moonlight catches the right-hand edges.
    painter.setPen(QPen(QColor(120, 110, 170, 120), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(hall.silhouette.translated(0.6, 0));

    // Warm light in the windows, with a soft glow around each.
    QImage glow(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter p(&glow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 70, 200));
        for (const QRectF& window : hall.windows)
            p.drawEllipse(window.center(), window.width() * 1.6, window.height() * 1.1);
    }
    boxBlur(glow, 5);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.drawImage(0, 0, glow);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setPen(Qt::NoPen);
    for (const QRectF& window : hall.windows) {
        QPainterPath arch;
        arch.moveTo(window.bottomLeft());
        arch.lineTo(window.left(), window.top() + window.width() / 2);
        arch.arcTo(QRectF(window.left(), window.top(), window.width(), window.width()), 180, -180);
        arch.lineTo(window.bottomRight());
        arch.closeSubpath();
        painter.setBrush(QColor(255, 214, 130));
        painter.drawPath(arch);
    }

    // The great flag on the central spire, streaming in the wind.
    const QPointF pole = hall.spire;
    painter.setPen(QPen(QColor(150, 140, 186), 1.3));
    painter.drawLine(pole + QPointF(0, -2), pole + QPointF(0, 26));
    QPainterPath flag;
    const double length = 46;
    const double depth = 13;
    flag.moveTo(pole);
    for (int i = 0; i <= 20; ++i) {
        const double t = i / 20.0;
        flag.lineTo(pole + QPointF(t * length, std::sin(t * 5 + time) * 3.5 * t - t * 2));
    }
    flag.lineTo(pole + QPointF(length - 6, depth / 2 + std::sin(5 + time) * 3.5 - 2));
    for (int i = 20; i >= 0; --i) {
        const double t = i / 20.0;
        flag.lineTo(pole +
                    QPointF(t * length, depth - t * 4 + std::sin(t * 5 + time + 0.4) * 3.5 * t));
    }
    flag.closeSubpath();
    QLinearGradient cloth(pole, pole + QPointF(0, depth));
    cloth.setColorAt(0, QColor(196, 40, 44));
    cloth.setColorAt(1, QColor(118, 18, 30));
    painter.setBrush(cloth);
    painter.setPen(QPen(QColor(232, 182, 80), 0.9));
    painter.drawPath(flag);

    // The guild's banner hangs on the keep: crimson with a golden star.
    const QRectF b = hall.wallBanner;
    QPainterPath banner;
    banner.moveTo(b.topLeft());
    banner.lineTo(b.topRight());
    banner.lineTo(b.bottomRight());
    banner.lineTo(b.center().x(), b.bottom() - 6);
    banner.lineTo(b.bottomLeft());
    banner.closeSubpath();
    painter.setBrush(QColor(150, 26, 36));
    painter.setPen(QPen(QColor(226, 176, 76), 1.0));
    painter.drawPath(banner);
    QPolygonF star;
    for (int k = 0; k < 10; ++k) {
        const double angle = -std::numbers::pi / 2 + k * std::numbers::pi / 5;
        const double r = k % 2 == 0 ? 5.5 : 2.3;
        star << QPointF(b.center().x() + r * std::cos(angle), b.top() + 12 + r * std::sin(angle));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(240, 196, 90));
    painter.drawPolygon(star);
    painter.setPen(QPen(QColor(50, 40, 50), 1.2));
    painter.drawLine(QPointF(b.left() - 3, b.top()), QPointF(b.right() + 3, b.top()));
}

// The winding road up to the gate, with lanterns along it.
void paintRoad(QPainter& painter) {
    QPainterPath road;
    road.moveTo(330, H + 4);
    road.cubicTo(400, 440, 200, 420, 246, 368);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(46, 38, 66), 9, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(road);
    painter.setPen(QPen(QColor(62, 50, 80), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(road);

    QImage glow(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    std::vector<QPointF> lanterns;
    for (double t : {0.12, 0.3, 0.47, 0.63, 0.78, 0.9}) {
        const QPointF on = road.pointAtPercent(t);
        const double side = static_cast<int>(t * 100) % 2 == 0 ? 9 : -9;
        lanterns.push_back(on + QPointF(side * (1.2 - t), -3));
    }
    {
        QPainter p(&glow);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 170, 80, 220));
        for (const QPointF& l : lanterns)
            p.drawEllipse(l, 5, 5);
    }
    boxBlur(glow, 6);
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.drawImage(0, 0, glow);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    for (const QPointF& l : lanterns) {
        painter.setPen(QPen(QColor(20, 16, 30), 1));
        painter.drawLine(l + QPointF(0, 1.5), l + QPointF(0, 9));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(255, 222, 150));
        painter.drawEllipse(l, 1.8, 2.2);
    }
}

void paintFireflies(QPainter& painter, const ValueNoise& noise) {
    for (int i = 0; i < 14; ++i) {
        const QPointF at(noise.hash(i, 80) * W, 410 + noise.hash(i, 81) * 65);
        const double r = 2 + 3 * noise.hash(i, 82);
        QRadialGradient glow(at, r);
        glow.setColorAt(0, QColor(230, 255, 160, 200));
        glow.setColorAt(1, QColor(180, 255, 120, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawEllipse(at, r, r);
    }
}

QPainterPath centredText(const QString& text, const QFont& font, double centreX, double baseline) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    return path.translated(centreX - box.center().x(), baseline);
}

void paintLettering(QPainter& painter) {
    QFont title("NanumMyeongjo");
    title.setBold(true);
    title.setPixelSize(84);
    title.setLetterSpacing(QFont::AbsoluteSpacing, 4);
    const QPainterPath korean = centredText(QStringLiteral("오로우베일"), title, W / 2 - 40, 134);

    QFont latin("NanumMyeongjo");
    latin.setPixelSize(27);
    latin.setLetterSpacing(QFont::AbsoluteSpacing, 11);
    latin.setCapitalization(QFont::AllUppercase);
    const QPainterPath english = centredText(QStringLiteral("Orrowvale"), latin, W / 2 - 40, 176);

    QImage glow(static_cast<int>(W), static_cast<int>(H), QImage::Format_ARGB32_Premultiplied);
    glow.fill(Qt::transparent);
    {
        QPainter p(&glow);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(255, 190, 110, 200), 6));
        p.setBrush(QColor(255, 190, 110, 200));
        p.drawPath(korean);
        p.setPen(QPen(QColor(200, 180, 255, 150), 3));
        p.drawPath(english);
    }
    boxBlur(glow, 7);
    painter.drawImage(0, 0, glow);

    painter.setPen(QPen(QColor(40, 18, 8, 220), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(korean.translated(1.5, 2.5));
    QLinearGradient gold(0, korean.boundingRect().top(), 0, korean.boundingRect().bottom());
    gold.setColorAt(0, QColor(255, 246, 206));
    gold.setColorAt(0.45, QColor(246, 206, 120));
    gold.setColorAt(0.55, QColor(214, 156, 62));
    gold.setColorAt(1, QColor(250, 214, 140));
    painter.setPen(QPen(QColor(92, 48, 16), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(gold);
    painter.drawPath(korean);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 14, 30, 170));
    painter.drawPath(english.translated(1, 1.5));
    painter.setBrush(QColor(232, 226, 246));
    painter.drawPath(english);

    // A rule on each side of the Latin name, ending in a small diamond.
    const QRectF box = english.boundingRect();
    painter.setPen(QPen(QColor(226, 190, 120, 200), 1));
    const double y = box.center().y();
    for (const auto& [from, to] : {std::pair{box.left() - 70, box.left() - 14},
                                   std::pair{box.right() + 14, box.right() + 70}}) {
        painter.drawLine(QPointF(from, y), QPointF(to, y));
        const double tip = from < box.left() ? to : from;
        painter.setBrush(QColor(240, 204, 130));
        painter.drawPolygon(QPolygonF(
            {QPointF(tip, y - 3), QPointF(tip + 3, y), QPointF(tip, y + 3), QPointF(tip - 3, y)}));
    }
}

void paintVignette(QPainter& painter) {
    QRadialGradient vignette(QPointF(W / 2, H / 2 - 20), W * 0.72);
    vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
    vignette.setColorAt(1, QColor(0, 0, 10, 150));
    painter.fillRect(QRectF(0, 0, W, H), vignette);
}

// The night scene under the lettering: sky, hills, the hall and its road.
void paintScene(QPainter& painter, std::uint32_t seed) {
    const ValueNoise noise(seed);
    paintSky(painter, noise);
    paintMoon(painter, noise);
    paintClouds(painter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(92, 66, 122));
    painter.drawPath(ridge(ValueNoise(seed + 1), 338, 46, 120, 5, 3.0));
    paintMist(painter, 320, 70, QColor(230, 160, 170));
    painter.setBrush(QColor(52, 40, 84));
    painter.drawPath(ridge(ValueNoise(seed + 2), 378, 34, 90, 5, 11.0));
    paintMist(painter, 360, 60, QColor(190, 140, 180));

    // The guild's hill, with the hall on its crown.
    QPainterPath hill;
    hill.moveTo(0, 420);
    hill.cubicTo(90, 392, 150, 364, 250, 364);
    hill.cubicTo(350, 364, 430, 400, W, 446);
    hill.lineTo(W, H);
    hill.lineTo(0, H);
    hill.closeSubpath();
    painter.setBrush(QColor(22, 18, 42));
    painter.drawPath(hill);
    paintHall(painter, buildHall(), 0.6);
    paintRoad(painter);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(10, 8, 22));
    painter.drawPath(ridge(ValueNoise(seed + 3), 468, 14, 70, 3, 5.0));
    const ValueNoise trees(seed + 4);
    for (int i = 0; i < 16; ++i) {
        const double x =
            i < 8 ? 8 + i * 17 + trees.hash(i, 1) * 10 : 470 + (i - 8) * 22 + trees.hash(i, 1) * 10;
        const double height = 38 + trees.hash(i, 2) * 46;
        painter.drawPath(pineTree(x, 484, height));
    }
    paintFireflies(painter, noise);
}

}  // namespace

QImage drawTitle(std::uint32_t seed, int detail) {
    QImage image(kTitleWidth * detail, kTitleHeight * detail, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(detail, detail);
    paintScene(painter, seed);
    paintLettering(painter);
    paintVignette(painter);
    painter.end();
    return image;
}

QImage drawIcon(int size, std::uint32_t seed) {
    QImage scene(kTitleWidth, kTitleHeight, QImage::Format_RGB32);
    {
        QPainter painter(&scene);
        painter.setRenderHint(QPainter::Antialiasing);
        paintScene(painter, seed);
    }
    // The hall with its flag and the lit gate, in a square of the scene.
    const QImage hall =
        scene.copy(kIconCrop).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QBrush(hall));
    const double radius = size * 0.18;
    painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    painter.end();
    return icon;
}

}  // namespace orrowvale::art
