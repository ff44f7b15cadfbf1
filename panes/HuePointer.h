#pragma once
// The pointer beside the hue bar: a picture whose tip sits at the row of the
// current hue. The widget is taller than the bar by `margin` above and
// below, so the picture is never cut at the two ends.

#include <QImage>
#include <QWidget>

namespace lumora {

class HuePointer : public QWidget {
    Q_OBJECT
public:
    HuePointer(QImage picture, int margin, QWidget* parent = nullptr);

    // The bar's height and the hue 0..360; the tip goes to row
    // (hue * barHeight) / 360 of the bar.
    void setHue(int hue, int barHeight);
    // The tip's row, in bar pixels.
    int tipRow() const { return tipRow_; }
    int margin() const { return margin_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage picture_;
    int margin_;
    int tipRow_ = 0;
};

}  // namespace lumora
