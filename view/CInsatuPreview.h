#pragma once
// The print preview: a white sheet in the proportion of an A-series page
// with the picture in a square at its top left, margins of 1/24 of the
// sheet width. It prints nothing.

#include <QDialog>
#include <QImage>
#include <functional>

namespace lumora {

class CInsatuPreview : public QDialog {
    Q_OBJECT
public:
    static constexpr int kPictureId = 12005;
    // `pictureOfSide` gives the picture scaled to a square of that side; it
    // is asked once, when the dialog is made.
    explicit CInsatuPreview(const std::function<QImage(int)>& pictureOfSide, QWidget* parent = nullptr);

    // The sheet and the square inside it, in the dialog's client pixels.
    QRect sheetRect() const { return sheet_; }
    QRect squareRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect sheet_;
    QImage picture_;
};

}  // namespace lumora
