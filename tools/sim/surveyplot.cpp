// The survey as a chart, drawn with QPainter: three panels side by side (the main
// character alive, a recruit in the guild, the median fame), months along the
// bottom of each.

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

#include "survey.h"
#include "world/datafiles.h"

namespace orrowvale::sim {
namespace {

constexpr int kPanelWidth = 300;
constexpr int kPanelHeight = 220;
constexpr int kMargin = 40;

struct Panel {
    QString title;
    std::vector<double> values;  // one per month
    double top = 100;
};

void drawPanel(QPainter& painter, const Panel& panel, QRect area) {
    painter.setPen(Qt::black);
    painter.drawText(area.adjusted(0, -kMargin + 8, 0, 0), Qt::AlignHCenter | Qt::AlignTop,
                     panel.title);
    painter.drawRect(area);
    painter.drawText(area.adjusted(-kMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                     QString::number(panel.top));
    painter.drawText(area.adjusted(-kMargin, 0, 0, 0), Qt::AlignLeft | Qt::AlignBottom, "0");
    const int months = static_cast<int>(panel.values.size());
    const int barWidth = area.width() / std::max(1, months);
    for (int m = 0; m < months; ++m) {
        const double share = panel.top > 0 ? std::clamp(panel.values[m] / panel.top, 0.0, 1.0) : 0;
        const int height = static_cast<int>(share * area.height());
        const QRect bar(area.left() + m * barWidth + 6, area.bottom() - height, barWidth - 12,
                        height);
        painter.fillRect(bar, QColor(70, 110, 170));
        painter.drawText(QRect(bar.left(), area.bottom() + 2, bar.width(), 18), Qt::AlignHCenter,
                         QString::number(m + 1));
    }
}

std::vector<Panel> panelsOf(const SurveyResult& result) {
    Panel alive{"alive (%)", {}, 100};
    Panel recruited{"recruited (%)", {}, 100};
    Panel fame{"median fame", {}, 1};
    const double games = std::max<double>(1, result.games.size());
    for (int m = 0; m < result.months; ++m) {
        double living = 0;
        double withRecruit = 0;
        std::vector<long long> fames;
        for (const SurveyGame& game : result.games) {
            living += game.months[m].alive;
            withRecruit += game.months[m].recruits > 0;
            fames.push_back(game.months[m].fame);
        }
        alive.values.push_back(100 * living / games);
        recruited.values.push_back(100 * withRecruit / games);
        fame.values.push_back(static_cast<double>(percentile(fames, 50)));
        fame.top = std::max(fame.top, fame.values.back());
    }
    return {alive, recruited, fame};
}

}  // namespace

void plotSurvey(const SurveyResult& result, const std::string& pngFile) {
    // Text needs a font, and fonts need an application; no screen is needed.
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    std::unique_ptr<QGuiApplication> application;
    if (QGuiApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "orrowvale-sim";
        static char* argv[] = {name, nullptr};
        application = std::make_unique<QGuiApplication>(argc, argv);
    }
    const std::vector<Panel> panels = panelsOf(result);
    const int count = static_cast<int>(panels.size());
    QImage image(count * (kPanelWidth + 2 * kMargin), kPanelHeight + 3 * kMargin,
                 QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.drawText(QRect(0, 4, image.width(), 20), Qt::AlignHCenter,
                         QString::fromStdString("survey " + result.start + ", " +
                                                std::to_string(result.games.size()) + " games"));
        for (int i = 0; i < count; ++i)
            drawPanel(painter, panels[i],
                      QRect(i * (kPanelWidth + 2 * kMargin) + kMargin, 2 * kMargin, kPanelWidth,
                            kPanelHeight));
    }
    // Encoded in memory and written whole, so that a full disk is told, not left
    // behind as an empty file.
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG")) throw DataError(pngFile, 0, "cannot draw the chart");
    writePlainFile(pngFile, std::string_view(png.constData(), static_cast<std::size_t>(png.size())),
                   pngFile);
}

}  // namespace orrowvale::sim
