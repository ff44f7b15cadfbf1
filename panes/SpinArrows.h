#pragma once
// An up-down control bound to a line edit (its buddy): it holds the position
// and the range, writes the position into the buddy as a plain decimal
// integer, and takes over the buddy's text only when that text is a decimal
// integer inside the range. Anything else typed stays in the box but never
// becomes the value.

#include <QWidget>
#include <optional>

class QLineEdit;
class QToolButton;

namespace lumora {

class SpinArrows : public QWidget {
    Q_OBJECT
public:
    // `buddy` must outlive this control (both are children of the same pane).
    explicit SpinArrows(QLineEdit& buddy, QWidget* parent = nullptr);

    // Sets the range; minimum above maximum is swapped. The position is
    // clamped into the new range and written into the buddy.
    void setRange(int minimum, int maximum);
    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }

    // Whether the arrows wrap from the maximum to the minimum and back.
    void setWrapping(bool on) { wrapping_ = on; }
    bool wrapping() const { return wrapping_; }

    int position() const { return position_; }
    // Clamps to the range and writes the value into the buddy.
    void setPosition(int value);
    // Takes over the buddy's text when it is a decimal integer in range.
    // Returns true when it did.
    bool takeOverText();
    // One arrow step (+1 or -1), after taking over valid text.
    void step(int delta);

    QLineEdit& buddy() const { return buddy_; }
    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

    // As tall as the buddy, so the pair lines up in a row.
    QSize sizeHint() const override;

    // A decimal integer: optional sign, digits only, surrounding blanks
    // allowed; nullopt for anything else or a number beyond 32 bits.
    static std::optional<int> parseDecimal(const QString& text);

signals:
    // After an arrow click or key changed the position.
    void stepped(int position);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& buddy_;
    QToolButton* up_;
    QToolButton* down_;
    int minimum_ = 0;
    int maximum_ = 100;
    int position_ = 0;
    bool wrapping_ = true;
};

}  // namespace lumora
