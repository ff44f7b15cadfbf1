#pragma once
// A picture control that answers a left click: one half of the pen pane's
// radio pairs (the "on" or the "off" picture of an option).

#include <QImage>
#include <QWidget>

namespace lumora {

class ClickablePicture : public QWidget {
    Q_OBJECT
public:
    // `logicalSize` is the size on screen; the picture is scaled into it.
    ClickablePicture(QImage picture, QSize logicalSize, QWidget* parent = nullptr);

    QSize sizeHint() const override { return size_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    QImage picture_;
    QSize size_;
};

}  // namespace lumora
