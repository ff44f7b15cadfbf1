#pragma once
// A sunken (or black-outlined) rectangle filled with one colour; without a
// colour it shows the window background. A clickable swatch emits clicked()
// on a left click.

#include <QFrame>
#include <optional>

#include "engine/ColourModel.h"

namespace lumora {

class ColourSwatch : public QFrame {
    Q_OBJECT
public:
    enum class Edge { Sunken, Outline };
    explicit ColourSwatch(Edge edge, bool clickable, QWidget* parent = nullptr);

    void setColour(std::optional<Colour> colour);
    std::optional<Colour> colour() const { return colour_; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Edge edge_;
    bool clickable_;
    std::optional<Colour> colour_;
};

// 0x00BBGGRR to a QColor.
QColor toQColor(Colour c);

}  // namespace lumora
