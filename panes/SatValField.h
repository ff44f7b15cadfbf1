#pragma once
// The colour edit dialog's saturation/value field for one hue: saturation
// grows to the right, value upward, with the marker at the current (S, V).
// The field's picture is rebuilt only when the hue or the size changes; a
// move of the marker only repaints.

#include <QImage>
#include <QWidget>

namespace lumora {

class SatValField : public QWidget {
    Q_OBJECT
public:
    explicit SatValField(QWidget* parent = nullptr);

    void setHsv(int hue, int saturation, int value);
    // The marker point, in pixels of the field: ((S * W) / 255, H - (H * V) / 255).
    QPoint marker() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void rebuild();

    int hue_ = 0;
    int saturation_ = 255;
    int value_ = 255;
    QImage picture_;
    int pictureHue_ = -1;
};

}  // namespace lumora
