#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <functional>

namespace orrowvale {

// A picture, drawn the same whether or not its window is enabled (a disabled title
// window must not grey out its artwork). It reports where the mouse moves and
// presses in picture pixels, whatever size it is shown at.
//
// By default it keeps its natural size. One that grows (`setGrowsWithWindow`) never
// shrinks below it and fills whatever room its window gives, keeping its shape. Either
// is scaled once per size at the screen's own resolution, from the detailed picture
// where there is one, so that a window made larger, or a screen at 200 %, shows a
// sharp picture rather than doubled pixels.
class Picture : public QWidget {
  public:
    Picture(QWidget* parent, const QString& accessibleName);

    // `detailed`, when given, is the same picture with twice the pixels each way: it
    // is what a picture shown larger than its natural size is drawn from.
    void setImage(const QImage& image, const QImage& detailed = QImage());
    const QImage& image() const { return image_; }

    void setGrowsWithWindow(bool grows);

    // Where the picture stands in this widget, and how many widget pixels one picture
    // pixel takes there.
    QRectF shownArea() const;
    double shownScale() const;
    // From widget pixels to picture pixels, and back.
    QPoint toPicture(QPointF widgetPoint) const;
    QRect fromPicture(const QRect& pictureRect) const;

    QSize sizeHint() const override;

    std::function<void(QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onPress;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
    QImage detailed_;
    bool grows_ = false;
    // The picture scaled to the area it was last shown in, at device resolution.
    QPixmap shown_;
};

}  // namespace orrowvale
