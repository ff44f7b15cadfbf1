#pragma once
// The colour edit dialog's hue bar: one hue per pixel row, red at the top,
// once round the colour circle. The strip is built once per height.

#include <QImage>
#include <QWidget>

namespace lumora {

class HueBar : public QWidget {
    Q_OBJECT
public:
    explicit HueBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage strip_;  // 1 pixel wide, one row per pixel of height
};

}  // namespace lumora
