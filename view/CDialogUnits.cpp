#include "view/CDialogUnits.h"

#include <QFontMetrics>

namespace lumora {

CDialogUnits::CDialogUnits(const QFont& font) {
    const QFontMetrics fm(font);
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = (fm.horizontalAdvance(letters) / 26 + 1) / 2;
    if (baseX_ < 1) baseX_ = 1;
    baseY_ = fm.height();
    if (baseY_ < 1) baseY_ = 1;
}

}  // namespace lumora
