#include "app/ui/picture.h"

#include <QMouseEvent>
#include <QPainter>

namespace orrowvale {

Picture::Picture(QWidget* parent, const QString& accessibleName) : QWidget(parent) {
    setAccessibleName(accessibleName);
    setMouseTracking(true);
}

void Picture::setImage(const QImage& image) {
    image_ = image;
    setFixedSize(image_.size());
    update();
}

void Picture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, image_);
}

void Picture::mouseMoveEvent(QMouseEvent* event) {
    if (onMove) onMove(event->position().toPoint());
}

void Picture::mousePressEvent(QMouseEvent* event) {
    if (onPress) onPress(event->button(), event->position().toPoint());
}

}  // namespace orrowvale
