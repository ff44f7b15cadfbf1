#pragma once
// The resolution dialog of the picture export: one side length, 10..6000,
// starting at 6000. The value follows the edit only while its text is a
// whole number inside the range, so a half-typed number never counts.

#include <QDialog>

#include "view/PictureFormat.h"

class QLineEdit;
class QToolButton;

namespace lumora {

class CGazouKaizoudoDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kMinimum = 10;
    static constexpr int kMaximum = 6000;
    static constexpr int kEditId = 12002;
    static constexpr int kUpDownId = 12000;

    explicit CGazouKaizoudoDialog(PictureFormat format, QWidget* parent = nullptr);

    // The chosen side length in pixels.
    int sideLength() const { return side_; }
    // Sets the up-down position (clamped) and writes it into the edit.
    void setSideLength(int side);
    QLineEdit* edit() const { return edit_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void textEdited(const QString& text);
    void step(int delta);

    QLineEdit* edit_ = nullptr;
    QToolButton* up_ = nullptr;
    QToolButton* down_ = nullptr;
    int side_ = kMaximum;
};

}  // namespace lumora
