#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace orrowvale {

// A picture shown at its natural size, drawn the same whether or not its window
// is enabled (a disabled title window must not grey out its artwork). It reports
// where the mouse moves and presses, in picture pixels.
class Picture : public QWidget {
  public:
    Picture(QWidget* parent, const QString& accessibleName);

    void setImage(const QImage& image);
    const QImage& image() const { return image_; }

    std::function<void(QPoint)> onMove;
    std::function<void(Qt::MouseButton, QPoint)> onPress;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

  private:
    QImage image_;
};

}  // namespace orrowvale
