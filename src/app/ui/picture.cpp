#include "app/ui/picture.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace orrowvale {

Picture::Picture(QWidget* parent, const QString& accessibleName) : QWidget(parent) {
    setAccessibleName(accessibleName);
    setMouseTracking(true);
}

void Picture::setImage(const QImage& image, const QImage& detailed) {
    image_ = image;
    detailed_ = detailed.size() == image.size() * 2 ? detailed : QImage();
    shown_ = QPixmap();
    if (grows_) {
        setMinimumSize(image_.size());
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    } else {
        setFixedSize(image_.size());
    }
    updateGeometry();
    update();
}

void Picture::setGrowsWithWindow(bool grows) {
    grows_ = grows;
    setSizePolicy(grows ? QSizePolicy::Expanding : QSizePolicy::Fixed,
                  grows ? QSizePolicy::Expanding : QSizePolicy::Fixed);
    setImage(image_, detailed_);
}

QSize Picture::sizeHint() const {
    return image_.isNull() ? QWidget::sizeHint() : image_.size();
}

double Picture::shownScale() const {
    if (!grows_ || image_.isNull()) return 1.0;
    const double across = static_cast<double>(width()) / image_.width();
    const double down = static_cast<double>(height()) / image_.height();
    return std::max(1.0, std::min(across, down));
}

// A grown picture stands in the middle of its widget, the spare room on the two
// sides that do not fit its shape.
QRectF Picture::shownArea() const {
    const double scale = shownScale();
    const QSizeF size(image_.width() * scale, image_.height() * scale);
    if (!grows_) return QRectF(QPointF(0, 0), size);
    return QRectF(QPointF((width() - size.width()) / 2, (height() - size.height()) / 2), size);
}

QPoint Picture::toPicture(QPointF widgetPoint) const {
    const QRectF area = shownArea();
    const double scale = shownScale();
    return QPoint(static_cast<int>(std::floor((widgetPoint.x() - area.left()) / scale)),
                  static_cast<int>(std::floor((widgetPoint.y() - area.top()) / scale)));
}

QRect Picture::fromPicture(const QRect& pictureRect) const {
    const QRectF area = shownArea();
    const double scale = shownScale();
    return QRectF(area.left() + pictureRect.left() * scale, area.top() + pictureRect.top() * scale,
                  pictureRect.width() * scale, pictureRect.height() * scale)
        .toAlignedRect();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = shownArea();
    // The room the picture's shape leaves takes the colour of its corner, so that a
    // maximised window shows one picture rather than a picture on a grey page.
    if (!image_.isNull() && area != QRectF(rect()))
        painter.fillRect(rect(), image_.pixelColor(0, 0));
    const double ratio = devicePixelRatioF();
    if (shownScale() * ratio == 1.0) {
        painter.drawImage(area.topLeft(), image_);
        return;
    }
    const QSize device = (area.size() * ratio).toSize();
    if (shown_.size() != device) {
        const QImage& source = detailed_.isNull() ? image_ : detailed_;
        shown_ = QPixmap::fromImage(
            source.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        shown_.setDevicePixelRatio(ratio);
    }
    painter.drawPixmap(area.topLeft(), shown_);
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(toPicture(event->position()));
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->button(), toPicture(event->position()));
}

}  // namespace orrowvale
