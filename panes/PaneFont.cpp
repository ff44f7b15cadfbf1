#include "panes/PaneFont.h"

#include <QStringList>

namespace lumora {

QFont paneFont() {
    QFont font;
    font.setFamilies({QStringLiteral("ＭＳ ゴシック"), QStringLiteral("MS Gothic"),
                      QStringLiteral("Noto Sans Mono CJK JP"), QStringLiteral("Noto Sans CJK JP"),
                      QStringLiteral("IPAGothic"), QStringLiteral("monospace")});
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(10);
    return font;
}

}  // namespace lumora
