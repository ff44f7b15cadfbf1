#pragma once
// Dialog units: the dialogs are laid out in units of the dialog font (a
// quarter of the average character width across, an eighth of the line
// height down), so they keep their proportions with any font size.

#include <QFont>
#include <QRect>

namespace lumora {

class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);
    int x(int units) const { return (units * baseX_ + 2) / 4; }
    int y(int units) const { return (units * baseY_ + 4) / 8; }
    QRect rect(int left, int top, int width, int height) const { return {x(left), y(top), x(width), y(height)}; }

private:
    int baseX_;
    int baseY_;
};

}  // namespace lumora
