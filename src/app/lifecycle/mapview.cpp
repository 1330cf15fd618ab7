#include "app/lifecycle/mapview.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QToolTip>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "app/ui/accessiblefactory.h"
#include "app/ui/text.h"

namespace orrowvale {

namespace {

constexpr int kBadgeHeight = 14;
constexpr int kBadgeGap = 2;

const QString kMapKeys = QStringLiteral(
    "화살표 키: 이웃 도시로\nHome: 주인공이 있는 도시로\nEnter, 스페이스: 그 도시의 명령 창\n"
    "Esc: 도시 명령 창으로\n"
    "별: 주인공, 깃발: 길드 지부, 숫자: 기다리는 파티");

// One city of the map as a screen reader sees it: a list item named with its
// marks, which Enter (the "press" action) chooses.
class CityAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
  public:
    CityAccessible(MapView* map, int city) : map_(map), city_(city) {}

    bool isValid() const override { return map_ && !map_->cityArea(city_).isEmpty(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return map_ ? map_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(map_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        if (!map_ || kind != QAccessible::Name) return {};
        return map_->spokenCity(city_);
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!map_) return {};
        const QRect area = map_->fromPicture(map_->cityArea(city_));
        return QRect(map_->mapToGlobal(area.topLeft()), area.size());
    }
    QAccessible::Role role() const override { return QAccessible::ListItem; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!map_) return state;
        state.focusable = true;
        state.selectable = true;
        state.selected = map_->focusedCity() == city_;
        state.focused = state.selected && map_->hasFocus();
        state.invisible = !map_->isVisible();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    QStringList actionNames() const override { return {pressAction(), setFocusAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    // The city's command list is modal: it opens after the screen reader's call
    // has returned, as a click's would.
    void doAction(const QString& name) override {
        if (!map_) return;
        map_->setFocus(Qt::OtherFocusReason);
        map_->focusCity(city_);
        if (name != pressAction()) return;
        QPointer<MapView> map = map_;
        const int city = city_;
        QMetaObject::invokeMethod(
            map_.data(),
            [map, city] {
                if (map && map->onChoose) map->onChoose(city);
            },
            Qt::QueuedConnection);
    }

    int city() const { return city_; }

  private:
    QPointer<MapView> map_;
    int city_;
};

// The map as a list of its cities. Each city's interface is made once and kept
// for as long as the map's.
class MapAccessible : public QAccessibleWidget {
  public:
    explicit MapAccessible(MapView* map) : QAccessibleWidget(map, QAccessible::List) {}
    ~MapAccessible() override {
        for (QAccessible::Id id : std::as_const(cityIds_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return static_cast<int>(map()->marks().size()); }
    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        if (const auto found = cityIds_.constFind(index); found != cityIds_.constEnd())
            return QAccessible::accessibleInterface(*found);
        auto* city = new CityAccessible(map(), index + 1);
        cityIds_.insert(index, QAccessible::registerAccessibleInterface(city));
        return city;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const auto* city = dynamic_cast<const CityAccessible*>(child);
        if (city == nullptr || city->parent() != this) return -1;
        return city->city() - 1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = map()->toPicture(map()->mapFromGlobal(QPoint(x, y)));
        for (int index = 0; index < childCount(); ++index)
            if (map()->cityArea(index + 1).contains(point)) return child(index);
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (!map()->hasFocus() || map()->focusedCity() == 0) return nullptr;
        return child(map()->focusedCity() - 1);
    }

  private:
    MapView* map() const { return static_cast<MapView*>(widget()); }

    mutable QHash<int, QAccessible::Id> cityIds_;
};

QAccessibleInterface* mapAccessibleFactory(const QString&, QObject* object) {
    if (auto* map = dynamic_cast<MapView*>(object)) return new MapAccessible(map);
    return nullptr;
}

QRect toQRect(const CityRect& r) {
    return QRect(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
}

void drawStar(QPainter& painter, QRectF box) {
    QPainterPath star;
    const QPointF centre = box.center();
    const double outer = box.height() / 2;
    for (int point = 0; point < 10; ++point) {
        const double radius = point % 2 == 0 ? outer : outer * 0.45;
        const double angle = -std::numbers::pi / 2 + point * std::numbers::pi / 5;
        const QPointF at = centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
        point == 0 ? star.moveTo(at) : star.lineTo(at);
    }
    star.closeSubpath();
    painter.setPen(QPen(QColor(70, 40, 0), 1.2));
    painter.setBrush(QColor(255, 200, 40));
    painter.drawPath(star);
}

void drawFlag(QPainter& painter, QRectF box) {
    painter.setPen(QPen(QColor(40, 30, 20), 1.6));
    const double pole = box.left() + 2.5;
    painter.drawLine(QPointF(pole, box.top()), QPointF(pole, box.bottom()));
    QPainterPath banner;
    banner.moveTo(pole, box.top() + 0.5);
    banner.lineTo(box.right(), box.top() + 3.5);
    banner.lineTo(pole, box.top() + 7.5);
    banner.closeSubpath();
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(30, 80, 190));
    painter.drawPath(banner);
}

void drawCount(QPainter& painter, QRectF box, const QString& count) {
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(QColor(150, 30, 30));
    painter.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    painter.drawText(box, Qt::AlignCenter, count);
}

}  // namespace

MapView::MapView(QWidget* parent) : Picture(parent, QStringLiteral("지도")) {
    installAccessibleFactoryOnce(&mapAccessibleFactory);
    // Naming the picture, before this was a map, gave it a plain widget's interface.
    dropInterfaceMadeBefore<MapAccessible>(this);
    setFocusPolicy(Qt::StrongFocus);
    setGrowsWithWindow(true);
    setToolTip(kMapKeys);
    setStatusTip(kMapKeys);
    setAccessibleDescription(kMapKeys);
}

void MapView::showMarks(std::vector<CityMark> marks) {
    std::vector<CityMark> before = std::move(marks_);
    marks_ = std::move(marks);
    if (!markOf(focusedCity_)) focusedCity_ = 0;
    // A screen reader on a city hears its new marks, such as a party come home.
    for (const CityMark& mark : marks_) {
        const bool renamed = mark.city > static_cast<int>(before.size()) ||
                             before[mark.city - 1].spoken != mark.spoken;
        if (!renamed) continue;
        QAccessibleEvent event(this, QAccessible::NameChanged);
        event.setChild(mark.city - 1);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

void MapView::focusCity(int city) {
    if (!markOf(city)) return;
    focusedCity_ = city;
    update();
    if (hasFocus()) tellFocusedCity();
}

QRect MapView::cityArea(int city) const {
    const CityMark* mark = markOf(city);
    return mark ? toQRect(mark->spot) : QRect();
}

QString MapView::spokenCity(int city) const {
    const CityMark* mark = markOf(city);
    return mark ? qs(mark->spoken) : QString();
}

const CityMark* MapView::markOf(int city) const {
    if (city < 1 || city > static_cast<int>(marks_.size())) return nullptr;
    return &marks_[city - 1];
}

int MapView::mainCharacterCity() const {
    for (const CityMark& mark : marks_)
        if (mark.mainCharacterHere) return mark.city;
    return marks_.empty() ? 0 : 1;
}

void MapView::tellFocusedCity() {
    QAccessibleEvent event(this, QAccessible::Focus);
    event.setChild(focusedCity_ - 1);
    QAccessible::updateAccessibility(&event);
}

void MapView::keyPressEvent(QKeyEvent* event) {
    const auto walk = [this](MapDirection direction) {
        focusCity(focusedCity_ == 0 ? mainCharacterCity()
                                    : cityToward(marks_, focusedCity_, direction));
    };
    switch (event->key()) {
        case Qt::Key_Left:
            walk(MapDirection::Left);
            break;
        case Qt::Key_Right:
            walk(MapDirection::Right);
            break;
        case Qt::Key_Up:
            walk(MapDirection::Up);
            break;
        case Qt::Key_Down:
            walk(MapDirection::Down);
            break;
        case Qt::Key_Home:
            focusCity(mainCharacterCity());
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Space:
            if (focusedCity_ != 0 && onChoose) onChoose(focusedCity_);
            break;
        case Qt::Key_Escape:
            if (onLeave) onLeave();
            break;
        default:
            Picture::keyPressEvent(event);
            return;
    }
    event->accept();
}

// The keyboard comes back to the city it left, or starts where the main
// character stands. The city is told once the map's own focus has been told,
// lest a screen reader end on "지도".
void MapView::focusInEvent(QFocusEvent* event) {
    Picture::focusInEvent(event);
    if (focusedCity_ == 0) focusedCity_ = mainCharacterCity();
    update();
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (hasFocus() && focusedCity_ != 0) tellFocusedCity();
        },
        Qt::QueuedConnection);
}

void MapView::focusOutEvent(QFocusEvent* event) {
    Picture::focusOutEvent(event);
    update();
}

// Over a city the tip says its marks in words before the keys.
bool MapView::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return Picture::event(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QPoint point = toPicture(help->pos());
    for (const CityMark& mark : marks_) {
        const QRect area = cityArea(mark.city);
        if (!area.contains(point)) continue;
        QToolTip::showText(help->globalPos(),
                           spokenCity(mark.city) + QStringLiteral("\n\n") + kMapKeys, this,
                           fromPicture(area));
        return true;
    }
    QToolTip::showText(help->globalPos(), kMapKeys, this);
    return true;
}

void MapView::paintEvent(QPaintEvent* event) {
    Picture::paintEvent(event);
    // The marks are drawn in picture pixels, scaled with the picture: drawn rather
    // than copied, they stay sharp at any size.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = shownArea();
    painter.translate(area.topLeft());
    painter.scale(shownScale(), shownScale());
    QFont font = painter.font();
    font.setPixelSize(10);
    font.setBold(true);
    painter.setFont(font);
    for (const CityMark& mark : marks_)
        drawMarks(painter, mark);
    if (hasFocus()) drawFocus(painter);
}

// A row of badges just under the city's name, so the name and the picture above
// it stay in view; at the map's foot the row goes above the name instead.
void MapView::drawMarks(QPainter& painter, const CityMark& mark) const {
    const QString count =
        mark.waitingParties > 0 ? QString::number(mark.waitingParties) : QString();
    const int countWidth =
        count.isEmpty()
            ? 0
            : std::max(kBadgeHeight, painter.fontMetrics().horizontalAdvance(count) + 6);
    const int starWidth = mark.mainCharacterHere ? kBadgeHeight : 0;
    const int flagWidth = mark.guildBranch ? kBadgeHeight - 2 : 0;
    const int badges = (starWidth > 0) + (flagWidth > 0) + (countWidth > 0);
    if (badges == 0) return;
    const int rowWidth = starWidth + flagWidth + countWidth + (badges - 1) * kBadgeGap;

    const QRect spot = toQRect(mark.spot);
    const QSize picture = image().size();
    int left =
        std::clamp(spot.center().x() - rowWidth / 2, 0, std::max(0, picture.width() - rowWidth));
    int top = spot.bottom() + 2;
    if (top + kBadgeHeight > picture.height()) top = spot.top() - kBadgeHeight - 2;

    if (starWidth > 0) {
        drawStar(painter, QRectF(left, top, starWidth, kBadgeHeight));
        left += starWidth + kBadgeGap;
    }
    if (flagWidth > 0) {
        drawFlag(painter, QRectF(left, top, flagWidth, kBadgeHeight));
        left += flagWidth + kBadgeGap;
    }
    if (countWidth > 0) drawCount(painter, QRectF(left, top, countWidth, kBadgeHeight), count);
}

// A black and white frame, seen on light and dark ground alike.
void MapView::drawFocus(QPainter& painter) const {
    const CityMark* mark = markOf(focusedCity_);
    if (!mark) return;
    const QRect frame = toQRect(mark->spot).adjusted(-3, -3, 3, 3);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(Qt::black, 4));
    painter.drawRoundedRect(frame, 3, 3);
    painter.setPen(QPen(QColor(255, 230, 80), 2));
    painter.drawRoundedRect(frame, 3, 3);
}

}  // namespace orrowvale
