#pragma once
// The pen pane's preview of the colour run: a sunken bar showing one table
// of the run across its width, colour 1 at the left end and colour 7 at the
// right (the tables hold the run reversed).

#include <QFrame>
#include <QImage>
#include <array>

#include "engine/ColourRun.h"

namespace lumora {

class ColourPreviewBar : public QFrame {
    Q_OBJECT
public:
    explicit ColourPreviewBar(QWidget* parent = nullptr);

    void setTable(const std::array<Colour, ColourRun::kLength>& table);
    // The colour shown in column x of the bar's inside (0 = left end).
    Colour colourAt(int x) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    std::array<Colour, ColourRun::kLength> table_{};
    QImage columns_;  // one pixel high, one pixel per column
};

}  // namespace lumora
